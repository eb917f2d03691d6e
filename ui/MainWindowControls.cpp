#include "ui/MainWindowControls.h"

#include "catalogue/AddInCards.h"
#include "catalogue/CountedDevices.h"
#include "catalogue/Drives.h"
#include "catalogue/ProductRow.h"
#include "ui/ArtWidget.h"
#include "ui/ClickableLabel.h"
#include "ui/MainWindowLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace ampora::ui {

MainWindowControls bindMainWindowControls(const NamedControls& c)
{
    const auto selector = [&c](const char* name) { return c.get<QComboBox>(name); };
    const auto box = [&c](const char* name) { return c.get<QCheckBox>(name); };
    const auto label = [&c](const char* name) { return c.get<QLabel>(name); };
    const auto link = [&c](const char* name) { return c.get<ClickableLabel>(name); };

    MainWindowControls bound{
        .processor = {&kProcessorRow, selector("Combo1"), selector("Combo2"), selector("Combooc"),
                      label("Label6322"), c.get("Image22")},
        .memory = {&kMemoryRow, selector("Combo5"), selector("Combo4"), selector("Combo120"),
                   label("Label9"), c.get("Image23")},
        .graphics = {&kGraphicsRow, selector("Combo6"), selector("Combo7"), selector("Combo170"),
                     label("Label18"), c.get("Image24")},
        .drive1 = {&kDriveBay1, selector("Combo11")},
        .drive2 = {&kDriveBay2, selector("Combo8")},
        .caseFans = {&kCaseFans, selector("Combo9")},
        .caseLights = {&kCaseLights, selector("Combo10")},
        .cardReaders = {&kCardReaders, selector("Combo13")},
        .floppyDrives = {&kFloppyDrives, selector("Combo14")},
        .hardDisks = {&kHardDisks, selector("Combo3")},
        .otherPciCards = {&kOtherPciCards, selector("Combo18")},
        .usb = {box("Check6"), {&kUsbDevices, selector("Combo15")}},
        .firewire = {box("Check9"), {&kFirewireDevices, selector("Combo16")}},
        .modem = {&kModem, box("Check1")},
        .networkCard = {&kNetworkCard, box("Check2")},
        .soundCard = {&kSoundCard, box("Check3")},
        .frontAudioPanel = {&kFrontAudioPanel, box("Check4")},
        .scsiCard = {&kScsiCard, box("Check5")},
        .tvTuner = {&kTvTuner, box("Check8")},
        .waterCooler = {&kWaterCooler, box("Check7")},
        .overclock = box("Check10"),
        .estimate = {label("Label4"), label("Labelshadow"), c.get("Line1"), label("Labeldr")},
        .chrome = {c.get<ArtWidget>("Image2"), link("Label7"), link("Label822"), link("labelf4if"),
                   link("Label1L"), link("Label2l")},
        .loadOrder = {},
        .tabOrder = {},
    };
    for (const char* name : mainWindowLoadOrder())
        bound.loadOrder.append(selector(name));
    for (const char* name : mainWindowTabOrder())
        bound.tabOrder.append(c.get(name));
    return bound;
}

} // namespace ampora::ui
