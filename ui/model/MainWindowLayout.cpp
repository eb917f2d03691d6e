#include "ui/model/MainWindowLayout.h"

#include "ui/model/Links.h"

namespace ampora::ui {

namespace {

constexpr const char* kProcessorIcon = "icons/processor.svg";
constexpr const char* kMemoryIcon = "icons/memory.svg";
constexpr const char* kCardIcon = "icons/expansion-card.svg";

// clang-format off
const ControlRow kControls[] = {
    // Background: the lowest six rows of the picture fall outside the window.
    picture("Image2", {0, 0, 6375, 8250}, "background.svg"),

    // Title banner: the window's own caption buttons.
    clickableLabel("Label7", {5790, 270, 405, 405}, "X", 18, Centred, "关闭程序"),
    clickableLabel("Label822", {5790, 720, 405, 375}, "?", 18, Centred, "帮助"),

    // Main components: processor, memory and graphics rows, then the optional drives.
    picture("Image3", {120, 1320, 360, 360}, kProcessorIcon),
    selector("Combo1", {510, 1320, 2675, 345}, "处理器"),
    label("Label13", {3110, 1380, 315, 195}, "X", kBodyPoints, Centred, "×"),
    selector("Combo2", {3350, 1320, 585, 345}, "处理器数量"),
    picture("Image4", {120, 1830, 360, 360}, kMemoryIcon),
    selector("Combo5", {510, 1830, 2675, 345}, "内存"),
    label("Label14", {3110, 1890, 315, 195}, "X", kBodyPoints, Centred, "×"),
    selector("Combo4", {3350, 1830, 585, 345}, "内存数量"),
    picture("Image5", {120, 2340, 360, 360}, kCardIcon),
    selector("Combo6", {510, 2340, 2675, 345}, "显卡"),
    label("Label15", {3110, 2400, 315, 195}, "X", kBodyPoints, Centred, "×"),
    selector("Combo7", {3350, 2340, 585, 345}, "显卡数量"),
    picture("Image6", {120, 2850, 360, 360}, "icons/optical-disc.svg"),
    selector("Combo11", {510, 2850, 1675, 345}, "可选件 #1"),
    selector("Combo8", {2260, 2850, 1675, 345}, "可选件 #2"),

    // USB and FireWire: a switch each that unlocks a device count.
    picture("Image7", {120, 3390, 360, 360}, "icons/usb.svg"),
    tickBox("Check6", {540, 3420, 225, 255}, "USB"),
    label("Label1733", {810, 3420, 675, 225}, "USB", kBodyPoints),
    label("Label20", {180, 3810, 975, 225}, "设备数量：", kBodyPoints),
    selector("Combo15", {1080, 3750, 555, 345}, "USB 设备数量", DisabledAtStart),
    picture("Image8", {1800, 3420, 360, 360}, "icons/firewire.svg"),
    tickBox("Check9", {2250, 3420, 225, 255}, "火线"),
    label("Label8553", {2520, 3420, 855, 225}, "火线", kBodyPoints),
    label("Label21", {1830, 3810, 945, 225}, "设备数量：", kBodyPoints),
    selector("Combo16", {2760, 3750, 555, 345}, "火线设备数量", DisabledAtStart),

    // Counted devices.
    picture("Image16", {3990, 1320, 360, 360}, "icons/case-fan.svg"),
    label("Label273322", {4410, 1380, 1245, 225}, "系统风扇：", kBodyPoints),
    selector("Combo9", {5520, 1320, 645, 345}, "系统风扇"),
    picture("Image17", {3990, 1830, 360, 360}, "icons/light-tube.svg"),
    label("Label11", {4410, 1890, 1245, 225}, "机箱灯管：", kBodyPoints),
    selector("Combo10", {5520, 1830, 645, 345}, "机箱灯管"),
    picture("Image18", {3990, 2340, 360, 360}, "icons/card-reader.svg"),
    label("Label12", {4410, 2400, 1485, 225}, "读卡器：", kBodyPoints),
    selector("Combo13", {5520, 2340, 645, 345}, "读卡器"),
    picture("Image19", {3990, 2820, 360, 360}, "icons/floppy.svg"),
    label("Label17", {4410, 2880, 1245, 225}, "软驱 / ZIP：", kBodyPoints),
    selector("Combo14", {5520, 2820, 645, 345}, "软驱 / ZIP"),
    picture("Image20", {3990, 3330, 360, 360}, "icons/hard-disk.svg"),
    label("Label10", {4410, 3390, 1245, 225}, "硬盘：", kBodyPoints),
    selector("Combo3", {5520, 3330, 645, 345}, "硬盘"),
    picture("Image21", {3990, 3840, 360, 360}, kCardIcon),
    label("Label3", {4410, 3930, 1395, 225}, "其他 PCI：", kBodyPoints),
    selector("Combo18", {5520, 3870, 645, 345}, "其他 PCI"),

    // Add-in cards: the boxes are too narrow for their own captions; the words are labels.
    picture("Image9", {150, 4290, 360, 360}, kCardIcon),
    label("Label8bff", {570, 4350, 2445, 255}, "集成或增加设备：", kBodyPoints),
    tickBox("Check1", {570, 4740, 225, 255}, "56K 拨号调制解调器"),
    label("Label19", {960, 4740, 1905, 225}, "56K 拨号调制解调器", kBodyPoints),
    tickBox("Check2", {570, 5130, 225, 285}, "无线/有线 网卡"),
    label("Label22", {960, 5160, 1905, 225}, "无线/有线 网卡", kBodyPoints),
    tickBox("Check3", {570, 5580, 225, 255}, "声卡"),
    label("Label23", {960, 5580, 1905, 225}, "声卡", kBodyPoints),
    tickBox("Check4", {570, 6000, 195, 255}, "前置音频面板"),
    label("Label24", {960, 6000, 1905, 225}, "前置音频面板", kBodyPoints),
    tickBox("Check5", {570, 6420, 225, 255}, "SCSI/RAID 控制器"),
    label("Label25", {960, 6420, 1905, 225}, "SCSI/RAID 控制器", kBodyPoints),
    tickBox("Check8", {570, 6840, 225, 255}, "电视卡"),
    label("Label26", {960, 6840, 1905, 225}, "电视卡", kBodyPoints),
    tickBox("Check7", {570, 7260, 225, 255}, "12V 水冷器"),
    label("Label5", {960, 7260, 1635, 225}, "12V 水冷器", kBodyPoints),

    // Overclock panel, inside the bracket frame of the background.
    picture("Image1", {3810, 4740, 360, 360}, "icons/overclock.svg"),
    tickBox("Check10", {4260, 4800, 225, 255}, "超频"),
    label("Label8v2d", {4560, 4800, 1455, 225}, "超频", 9.75),
    picture("Image22", {3990, 5160, 360, 360}, kProcessorIcon, HiddenAtStart),
    label("Label6322", {4440, 5220, 795, 225}, "CPU:", 9.75, DisabledAtStart),
    selector("Combooc", {5130, 5130, 705, 345}, "CPU 超频百分比", DisabledAtStart),
    label("Label8pc", {5880, 5190, 315, 345}, "%", 12),
    picture("Image23", {3990, 5580, 360, 360}, kMemoryIcon, HiddenAtStart),
    label("Label9", {4440, 5640, 795, 225}, "RAM:", 9.75, DisabledAtStart),
    selector("Combo120", {5130, 5580, 705, 345}, "RAM 超频百分比", DisabledAtStart),
    label("Label8fsv", {5880, 5610, 315, 345}, "%", 12),
    picture("Image24", {3990, 6030, 360, 360}, kCardIcon, HiddenAtStart),
    label("Label18", {4440, 6090, 795, 225}, "GPU:", 9.75, DisabledAtStart),
    selector("Combo170", {5130, 6030, 705, 345}, "GPU 超频百分比", DisabledAtStart),
    label("Label16", {5880, 6060, 315, 345}, "%", 12),

    // Estimate display: the shadow is listed first so the digits stack above it.
    label("Label8889", {3720, 6570, 2115, 255}, "估计功率", 9.75, Centred),
    label("Labelshadow", {3840, 6840, 1215, 555}, nullptr, 24, RightAligned | BlackText | Decoration),
    label("Label4", {3780, 6780, 1215, 555}, nullptr, 24, RightAligned),
    label("Label6", {5070, 7020, 735, 345}, "瓦", 12, Decoration),
    label("Labeldr", {3360, 7320, 2775, 255}, "ATX 12V 2.0 (双路 +12V 输出)", kBodyPoints, DisabledAtStart),

    // Bottom strip, on the hazard stripes.
    clickableLabel("Label2l", {480, 7860, 1365, 255}, "问题反馈", 9.75, Centred),
    clickableLabel("Label1L", {2070, 7860, 2415, 255}, kWebsiteCaption, 9.75, Centred),
    clickableLabel("labelf4if", {4770, 7860, 825, 255}, "关于", 9.75, Centred),

    // Lines: the rule above the estimate, with its shadow, and the load bar beside the estimate.
    line("Line7", 3600, 6510, 6180, 6510, 2, {0, 0, 0}),
    line("Line2", 3540, 6450, 6120, 6450, 2, {255, 255, 255}),
    line("Line1", 3300, 7170, 3450, 7170, 5, {255, 255, 255}),
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

WindowLayout mainWindowLayout() { return {{425, 544}, kBodyPoints, kControls}; }
std::span<const char* const> mainWindowTabOrder() { return kTabOrder; }
std::span<const char* const> mainWindowLoadOrder() { return kLoadOrder; }

} // namespace ampora::ui
