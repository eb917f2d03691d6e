#include "ui/MainWindowLayout.h"

#include "ui/Links.h"

namespace ampora::ui {

namespace {

using K = ControlKind;

constexpr const char* kProcessorIcon = ":/art/icons/processor.svg";
constexpr const char* kMemoryIcon = ":/art/icons/memory.svg";
constexpr const char* kCardIcon = ":/art/icons/expansion-card.svg";

// clang-format off
const ControlRow kControls[] = {
    // Background: the lowest six rows of the picture fall outside the window.
    {"Image2", K::Picture, 0, 0, 6375, 8250, ":/art/background.svg"},

    // Title banner: the window's own caption buttons.
    {"Label7", K::ClickableLabel, 5790, 270, 405, 405, "X", 18, Centred, "关闭程序", "关闭程序"},
    {"Label822", K::ClickableLabel, 5790, 720, 405, 375, "?", 18, Centred, "帮助", "帮助"},

    // Main components: processor, memory and graphics rows, then the optional drives.
    {"Image3", K::Picture, 120, 1320, 360, 360, kProcessorIcon},
    {"Combo1", K::Selector, 510, 1320, 2675, 345, "处理器", kBodyPoints},
    {"Label13", K::Label, 3110, 1380, 315, 195, "X", kBodyPoints, Centred, nullptr, "×"},
    {"Combo2", K::Selector, 3350, 1320, 585, 345, "处理器数量", kBodyPoints},
    {"Image4", K::Picture, 120, 1830, 360, 360, kMemoryIcon},
    {"Combo5", K::Selector, 510, 1830, 2675, 345, "内存", kBodyPoints},
    {"Label14", K::Label, 3110, 1890, 315, 195, "X", kBodyPoints, Centred, nullptr, "×"},
    {"Combo4", K::Selector, 3350, 1830, 585, 345, "内存数量", kBodyPoints},
    {"Image5", K::Picture, 120, 2340, 360, 360, kCardIcon},
    {"Combo6", K::Selector, 510, 2340, 2675, 345, "显卡", kBodyPoints},
    {"Label15", K::Label, 3110, 2400, 315, 195, "X", kBodyPoints, Centred, nullptr, "×"},
    {"Combo7", K::Selector, 3350, 2340, 585, 345, "显卡数量", kBodyPoints},
    {"Image6", K::Picture, 120, 2850, 360, 360, ":/art/icons/optical-disc.svg"},
    {"Combo11", K::Selector, 510, 2850, 1675, 345, "可选件 #1", kBodyPoints},
    {"Combo8", K::Selector, 2260, 2850, 1675, 345, "可选件 #2", kBodyPoints},

    // USB and FireWire: a switch each that unlocks a device count.
    {"Image7", K::Picture, 120, 3390, 360, 360, ":/art/icons/usb.svg"},
    {"Check6", K::TickBox, 540, 3420, 225, 255, "USB"},
    {"Label1733", K::Label, 810, 3420, 675, 225, "USB", kBodyPoints},
    {"Label20", K::Label, 180, 3810, 975, 225, "设备数量：", kBodyPoints},
    {"Combo15", K::Selector, 1080, 3750, 555, 345, "USB 设备数量", kBodyPoints, DisabledAtStart},
    {"Image8", K::Picture, 1800, 3420, 360, 360, ":/art/icons/firewire.svg"},
    {"Check9", K::TickBox, 2250, 3420, 225, 255, "火线"},
    {"Label8553", K::Label, 2520, 3420, 855, 225, "火线", kBodyPoints},
    {"Label21", K::Label, 1830, 3810, 945, 225, "设备数量：", kBodyPoints},
    {"Combo16", K::Selector, 2760, 3750, 555, 345, "火线设备数量", kBodyPoints, DisabledAtStart},

    // Counted devices.
    {"Image16", K::Picture, 3990, 1320, 360, 360, ":/art/icons/case-fan.svg"},
    {"Label273322", K::Label, 4410, 1380, 1245, 225, "系统风扇：", kBodyPoints},
    {"Combo9", K::Selector, 5520, 1320, 645, 345, "系统风扇", kBodyPoints},
    {"Image17", K::Picture, 3990, 1830, 360, 360, ":/art/icons/light-tube.svg"},
    {"Label11", K::Label, 4410, 1890, 1245, 225, "机箱灯管：", kBodyPoints},
    {"Combo10", K::Selector, 5520, 1830, 645, 345, "机箱灯管", kBodyPoints},
    {"Image18", K::Picture, 3990, 2340, 360, 360, ":/art/icons/card-reader.svg"},
    {"Label12", K::Label, 4410, 2400, 1485, 225, "读卡器：", kBodyPoints},
    {"Combo13", K::Selector, 5520, 2340, 645, 345, "读卡器", kBodyPoints},
    {"Image19", K::Picture, 3990, 2820, 360, 360, ":/art/icons/floppy.svg"},
    {"Label17", K::Label, 4410, 2880, 1245, 225, "软驱 / ZIP：", kBodyPoints},
    {"Combo14", K::Selector, 5520, 2820, 645, 345, "软驱 / ZIP", kBodyPoints},
    {"Image20", K::Picture, 3990, 3330, 360, 360, ":/art/icons/hard-disk.svg"},
    {"Label10", K::Label, 4410, 3390, 1245, 225, "硬盘：", kBodyPoints},
    {"Combo3", K::Selector, 5520, 3330, 645, 345, "硬盘", kBodyPoints},
    {"Image21", K::Picture, 3990, 3840, 360, 360, kCardIcon},
    {"Label3", K::Label, 4410, 3930, 1395, 225, "其他 PCI：", kBodyPoints},
    {"Combo18", K::Selector, 5520, 3870, 645, 345, "其他 PCI", kBodyPoints},

    // Add-in cards: the boxes are too narrow for their own captions; the words are labels.
    {"Image9", K::Picture, 150, 4290, 360, 360, kCardIcon},
    {"Label8bff", K::Label, 570, 4350, 2445, 255, "集成或增加设备：", kBodyPoints},
    {"Check1", K::TickBox, 570, 4740, 225, 255, "56K 拨号调制解调器"},
    {"Label19", K::Label, 960, 4740, 1905, 225, "56K 拨号调制解调器", kBodyPoints},
    {"Check2", K::TickBox, 570, 5130, 225, 285, "无线/有线 网卡"},
    {"Label22", K::Label, 960, 5160, 1905, 225, "无线/有线 网卡", kBodyPoints},
    {"Check3", K::TickBox, 570, 5580, 225, 255, "声卡"},
    {"Label23", K::Label, 960, 5580, 1905, 225, "声卡", kBodyPoints},
    {"Check4", K::TickBox, 570, 6000, 195, 255, "前置音频面板"},
    {"Label24", K::Label, 960, 6000, 1905, 225, "前置音频面板", kBodyPoints},
    {"Check5", K::TickBox, 570, 6420, 225, 255, "SCSI/RAID 控制器"},
    {"Label25", K::Label, 960, 6420, 1905, 225, "SCSI/RAID 控制器", kBodyPoints},
    {"Check8", K::TickBox, 570, 6840, 225, 255, "电视卡"},
    {"Label26", K::Label, 960, 6840, 1905, 225, "电视卡", kBodyPoints},
    {"Check7", K::TickBox, 570, 7260, 225, 255, "12V 水冷器"},
    {"Label5", K::Label, 960, 7260, 1635, 225, "12V 水冷器", kBodyPoints},

    // Overclock panel, inside the bracket frame of the background.
    {"Image1", K::Picture, 3810, 4740, 360, 360, ":/art/icons/overclock.svg"},
    {"Check10", K::TickBox, 4260, 4800, 225, 255, "超频"},
    {"Label8v2d", K::Label, 4560, 4800, 1455, 225, "超频", 9.75},
    {"Image22", K::Picture, 3990, 5160, 360, 360, kProcessorIcon, 0, HiddenAtStart},
    {"Label6322", K::Label, 4440, 5220, 795, 225, "CPU:", 9.75, DisabledAtStart},
    {"Combooc", K::Selector, 5130, 5130, 705, 345, "CPU 超频百分比", kBodyPoints, DisabledAtStart},
    {"Label8pc", K::Label, 5880, 5190, 315, 345, "%", 12},
    {"Image23", K::Picture, 3990, 5580, 360, 360, kMemoryIcon, 0, HiddenAtStart},
    {"Label9", K::Label, 4440, 5640, 795, 225, "RAM:", 9.75, DisabledAtStart},
    {"Combo120", K::Selector, 5130, 5580, 705, 345, "RAM 超频百分比", kBodyPoints, DisabledAtStart},
    {"Label8fsv", K::Label, 5880, 5610, 315, 345, "%", 12},
    {"Image24", K::Picture, 3990, 6030, 360, 360, kCardIcon, 0, HiddenAtStart},
    {"Label18", K::Label, 4440, 6090, 795, 225, "GPU:", 9.75, DisabledAtStart},
    {"Combo170", K::Selector, 5130, 6030, 705, 345, "GPU 超频百分比", kBodyPoints, DisabledAtStart},
    {"Label16", K::Label, 5880, 6060, 315, 345, "%", 12},

    // Estimate display: the shadow is listed first so the digits stack above it.
    {"Label8889", K::Label, 3720, 6570, 2115, 255, "估计功率", 9.75, Centred},
    {"Labelshadow", K::Label, 3840, 6840, 1215, 555, nullptr, 24, RightAligned | BlackText | Decoration},
    {"Label4", K::Label, 3780, 6780, 1215, 555, nullptr, 24, RightAligned},
    {"Label6", K::Label, 5070, 7020, 735, 345, "瓦", 12, Decoration},
    {"Labeldr", K::Label, 3360, 7320, 2775, 255, "ATX 12V 2.0 (双路 +12V 输出)", kBodyPoints, DisabledAtStart},

    // Bottom strip, on the hazard stripes.
    {"Label2l", K::ClickableLabel, 480, 7860, 1365, 255, "问题反馈", 9.75, Centred},
    {"Label1L", K::ClickableLabel, 2070, 7860, 2415, 255, kWebsiteCaption, 9.75, Centred},
    {"labelf4if", K::ClickableLabel, 4770, 7860, 825, 255, "关于", 9.75, Centred},
};

const LineRow kLines[] = {
    {"Line7", 3600, 6510, 6180, 6510, 2, QColor(0, 0, 0)},
    {"Line2", 3540, 6450, 6120, 6450, 2, QColor(255, 255, 255)},
    {"Line1", 3300, 7170, 3450, 7170, 5, QColor(255, 255, 255)},
};

const char* const kTabOrder[] = {
    "Combo1", "Combo2", "Combo5", "Combo4", "Combo6", "Combo7", "Combo11", "Combo8",
    "Check6", "Combo15", "Check9", "Combo16",
    "Check1", "Check2", "Check3", "Check4", "Check5", "Check8", "Check7",
    "Combo9", "Combo10", "Combo13", "Combo14", "Combo3", "Combo18",
    "Check10", "Combooc", "Combo120", "Combo170",
};

// The load step brings every selector to its first item in this order. The overclock
// percentages come first, so every catalogue handler after them finds a percentage of 0.
const char* const kLoadOrder[] = {
    "Combo120", "Combo170", "Combooc", "Combo1", "Combo5", "Combo6", "Combo8", "Combo11",
    "Combo15", "Combo16", "Combo9", "Combo10", "Combo3", "Combo13", "Combo14",
    "Combo2", "Combo4", "Combo7", "Combo18",
};
// clang-format on

} // namespace

std::span<const ControlRow> mainWindowControls() { return kControls; }
std::span<const LineRow> mainWindowLines() { return kLines; }
std::span<const char* const> mainWindowTabOrder() { return kTabOrder; }
std::span<const char* const> mainWindowLoadOrder() { return kLoadOrder; }

} // namespace ampora::ui
