#include "ui/platform/BundledFontconfig.h"

#include <fontconfig/fontconfig.h>

namespace ampora::platform {

namespace {

// Slight hinting is what a stock desktop configuration asks for, and what the window's reference
// pictures show; fontconfig's built-in default would be full hinting.
constexpr char kConfiguration[] = R"(<fontconfig>
  <match target="pattern">
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
  </match>
</fontconfig>
)";

} // namespace

void useOnlyBundledFonts()
{
    // With no font directory the configuration lists no system font: fontconfig reads neither
    // the system's configuration nor its font caches, and matching weighs two fonts, not all.
    FcConfig* config = FcConfigCreate();
    if (!config)
        return;
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kConfiguration),
                                        FcTrue) ||
        !FcConfigSetCurrent(config))
        FcConfigDestroy(config); // fontconfig then loads the system's configuration as usual
    // Otherwise the configuration stays current for the life of the program.
}

} // namespace ampora::platform
