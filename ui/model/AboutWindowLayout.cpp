#include "ui/model/AboutWindowLayout.h"

#include "ui/Version.h"

namespace ampora::ui {

namespace {

constexpr const char* kAboutText =
    "星宇工作室汉化\r\n"
    "2006.10.24.\r\n"
    "\r\n"
    "此程序以 as-is 方式提供，作者和 Kestrune.example "
    "均不对使用该软件而可能导致的物理影响、设备损坏及其他任何风险负责。"
    "我们不对其提供准确性、完整性、及时性或有效性的担保。使用者风险自负。";

// The size of the window's text but for "确定".
constexpr double kTextPoints = 9.75;

// clang-format off
const ControlRow kControls[] = {
    picture("Image1", {0, 0, 2490, 4680}, "about.svg"),
    label("Label19cc", {270, 1050, 1905, 225}, "版本 " AMPORA_VERSION, kTextPoints),
    label("Label23cc", {270, 1290, 1905, 225}, "编写 Kestrune Labs", kTextPoints),
    textBox("Text1", {60, 1560, 2385, 2625}, kAboutText, kTextPoints, "关于 Ampora"),
    clickableLabel("Label2", {960, 4260, 645, 375}, "确定", 14.25, Centred),
};
// clang-format on

} // namespace

WindowLayout aboutWindowLayout() { return {{165, 312}, kTextPoints, kControls}; }

} // namespace ampora::ui
