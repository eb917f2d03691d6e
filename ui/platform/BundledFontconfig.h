// Fontconfig limited to the fonts built into the program, kept free of Qt like the other
// platform calls.
#pragma once

namespace ampora::platform {

// Makes a private fontconfig configuration current: no system fonts, no system rules, only
// the rendering the window was drawn with. Must run before Qt first asks fontconfig anything;
// Qt then adds the bundled fonts to it. Nothing else in or outside the process is affected:
// no file or environment variable is touched.
void useOnlyBundledFonts();

} // namespace ampora::platform
