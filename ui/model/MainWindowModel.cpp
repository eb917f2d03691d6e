#include "ui/model/MainWindowModel.h"

#include "catalogue/AddInCards.h"
#include "catalogue/CountedDevices.h"
#include "catalogue/Drives.h"
#include "catalogue/ProductRow.h"
#include "ui/model/EstimateText.h"
#include "ui/model/MainWindowLayout.h"

#include <cstdio>
#include <cstdlib>

namespace ampora::ui {

namespace {

std::vector<std::string> texts(std::span<const std::string_view> items)
{
    return {items.begin(), items.end()};
}

} // namespace

// clang-format off
const MainWindowModel::HandlerRow MainWindowModel::kHandlers[] = {
    {"Combo1", &MainWindowModel::Combo1_Click}, {"Combo2", &MainWindowModel::Combo2_Click},
    {"Combo5", &MainWindowModel::Combo5_Click}, {"Combo4", &MainWindowModel::Combo4_Click},
    {"Combo6", &MainWindowModel::Combo6_Click}, {"Combo7", &MainWindowModel::Combo7_Click},
    {"Combo11", &MainWindowModel::Combo11_Click}, {"Combo8", &MainWindowModel::Combo8_Click},
    {"Combo9", &MainWindowModel::Combo9_Click}, {"Combo10", &MainWindowModel::Combo10_Click},
    {"Combo13", &MainWindowModel::Combo13_Click}, {"Combo14", &MainWindowModel::Combo14_Click},
    {"Combo3", &MainWindowModel::Combo3_Click}, {"Combo18", &MainWindowModel::Combo18_Click},
    {"Combo15", &MainWindowModel::Combo15_Click}, {"Combo16", &MainWindowModel::Combo16_Click},
    {"Combooc", &MainWindowModel::Combooc_Click}, {"Combo120", &MainWindowModel::Combo120_Click},
    {"Combo170", &MainWindowModel::Combo170_Click},
    {"Check1", &MainWindowModel::Check1_Click}, {"Check2", &MainWindowModel::Check2_Click},
    {"Check3", &MainWindowModel::Check3_Click}, {"Check4", &MainWindowModel::Check4_Click},
    {"Check5", &MainWindowModel::Check5_Click}, {"Check8", &MainWindowModel::Check8_Click},
    {"Check7", &MainWindowModel::Check7_Click}, {"Check6", &MainWindowModel::Check6_Click},
    {"Check9", &MainWindowModel::Check9_Click}, {"Check10", &MainWindowModel::Check10_Click},
};
// clang-format on

MainWindowModel::MainWindowModel() : table_(mainWindowLayout().controls)
{
    states_.reserve(table_.size());
    for (const ControlRow& row : table_) {
        rows_.emplace(row.name, states_.size());
        ControlState& state = states_.emplace_back();
        state.enabled = !(row.flags & DisabledAtStart);
        state.visible = !(row.flags & HiddenAtStart);
        state.caption = row.caption ? row.caption : "";
        state.colour = row.colour;
    }
    handlers_.resize(table_.size());
    for (const auto& [control, handler] : kHandlers)
        handlers_[find(control)] = handler;

    // The one place where control names meet the catalogue's entities.
    processor_ = {&kProcessorRow,  find("Combo1"),    find("Combo2"),
                  find("Combooc"), find("Label6322"), find("Image22")};
    memory_ = {&kMemoryRow,      find("Combo5"), find("Combo4"),
               find("Combo120"), find("Label9"), find("Image23")};
    graphics_ = {&kGraphicsRow,    find("Combo6"),  find("Combo7"),
                 find("Combo170"), find("Label18"), find("Image24")};
    drive1_ = {&kDriveBay1, find("Combo11")};
    drive2_ = {&kDriveBay2, find("Combo8")};
    caseFans_ = {&kCaseFans, find("Combo9")};
    caseLights_ = {&kCaseLights, find("Combo10")};
    cardReaders_ = {&kCardReaders, find("Combo13")};
    floppyDrives_ = {&kFloppyDrives, find("Combo14")};
    hardDisks_ = {&kHardDisks, find("Combo3")};
    otherPciCards_ = {&kOtherPciCards, find("Combo18")};
    usb_ = {find("Check6"), {&kUsbDevices, find("Combo15")}};
    firewire_ = {find("Check9"), {&kFirewireDevices, find("Combo16")}};
    modem_ = {&kModem, find("Check1")};
    networkCard_ = {&kNetworkCard, find("Check2")};
    soundCard_ = {&kSoundCard, find("Check3")};
    frontAudioPanel_ = {&kFrontAudioPanel, find("Check4")};
    scsiCard_ = {&kScsiCard, find("Check5")};
    tvTuner_ = {&kTvTuner, find("Check8")};
    waterCooler_ = {&kWaterCooler, find("Check7")};
    overclock_ = find("Check10");
    digits_ = find("Label4");
    shadow_ = find("Labelshadow");
    loadBar_ = find("Line1");
    recommendation_ = find("Labeldr");

    items_.resize(table_.size());
    for (const ProductRowControls* row : {&processor_, &memory_, &graphics_}) {
        items_[row->model] = itemTexts(row->row->models);
        items_[row->count] = texts(row->row->counts);
        items_[row->percentage] = numberedItems(kLastOverclockPercentage);
    }
    for (const DriveBayControl* drive : {&drive1_, &drive2_})
        items_[drive->selector] = driveItems(*drive->bay);
    for (const DeviceCountControl* device :
         {&caseFans_, &caseLights_, &cardReaders_, &floppyDrives_, &hardDisks_, &otherPciCards_,
          &usb_.devices, &firewire_.devices})
        items_[device->count] = numberedItems(device->devices->lastCount);
}

MainWindowModel::Control MainWindowModel::find(std::string_view name) const
{
    const auto found = rows_.find(name);
    if (found == rows_.end()) { // a typing slip in a name stops the program at its start
        std::fprintf(stderr, "the main window has no control named %.*s\n", int(name.size()),
                     name.data());
        std::abort();
    }
    return found->second;
}

const ControlState& MainWindowModel::state(std::string_view control) const
{
    return states_[find(control)];
}

const std::vector<std::string>& MainWindowModel::items(std::string_view selector) const
{
    return items_[find(selector)];
}

void MainWindowModel::pick(std::string_view selector, int item)
{
    const Control row = find(selector);
    const ControlState& state = states_[row];
    if (table_[row].kind == ControlKind::Selector && state.enabled && item != state.item &&
        item >= 0 && item < int(items_[row].size()))
        selectItem(row, item);
    else
        changed(row); // refused: the views draw the control back as it is
}

void MainWindowModel::tick(std::string_view box, bool ticked)
{
    const Control row = find(box);
    const ControlState& state = states_[row];
    if (table_[row].kind != ControlKind::TickBox || !state.enabled || state.ticked == ticked) {
        changed(row);
        return;
    }
    changed(row).ticked = ticked;
    runHandler(row);
}

void MainWindowModel::selectItem(Control selector, int item)
{
    changed(selector).item = item;
    runHandler(selector);
}

ControlState& MainWindowModel::changed(Control control)
{
    states_[control].revision = ++revision_;
    return states_[control];
}

void MainWindowModel::runHandler(Control control) { (this->*handlers_[control])(); }

std::string_view MainWindowModel::selectedText(Control selector) const
{
    const int item = states_[selector].item;
    return item < 0 ? std::string_view() : std::string_view(items_[selector][item]);
}

void MainWindowModel::Form_Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    for (const char* selector : mainWindowLoadOrder())
        selectItem(find(selector), 0);
    sheet_.writeLiteral(Slot::OtherPciWatts, "0");
    changed(digits_).caption = "0";
}

void MainWindowModel::Command1_Click()
{
    const bool usb = states_[usb_.box].ticked, firewire = states_[firewire_.box].ticked;
    const Estimate estimate = recalculate(sheet_, usb, firewire);
    ControlState& digits = changed(digits_);
    digits.caption = estimate.caption;
    changed(loadBar_).colour = estimate.loadBar;
    changed(recommendation_).enabled = estimate.dualRailRecommended;
    changed(shadow_).caption = digits.caption;
    // For the ear and the curious: the digits explain their sum in a tool tip, and are named
    // with their unit.
    digits.toolTip =
        estimateText(breakDownEstimate(sheet_, usb, firewire, estimate.caption), digits.caption);
    digits.spokenName = estimateInWatts(digits.caption);
    spokenEstimate_ = ui::spokenEstimate(digits.caption);
    if (recalculated)
        recalculated(estimate);
}

// --- Processor, memory and graphics rows ---------------------------------------------------

void MainWindowModel::modelChosen(const ProductRowControls& row)
{
    chooseModel(sheet_, *row.row, selectedText(row.model), selectedText(row.percentage));
    Command1_Click();
}

void MainWindowModel::countChosen(const ProductRowControls& row)
{
    chooseCount(sheet_, *row.row, selectedText(row.count), selectedText(row.percentage));
    Command1_Click();
}

void MainWindowModel::percentageChosen(const ProductRowControls& row)
{
    applyOverclock(sheet_, *row.row, selectedText(row.percentage));
    Command1_Click();
}

void MainWindowModel::Combo1_Click() { modelChosen(processor_); }
void MainWindowModel::Combo2_Click() { countChosen(processor_); }
void MainWindowModel::Combo5_Click() { modelChosen(memory_); }
void MainWindowModel::Combo4_Click() { countChosen(memory_); }
void MainWindowModel::Combo6_Click() { modelChosen(graphics_); }
void MainWindowModel::Combo7_Click() { countChosen(graphics_); }
void MainWindowModel::Combooc_Click() { percentageChosen(processor_); }
void MainWindowModel::Combo120_Click() { percentageChosen(memory_); }
void MainWindowModel::Combo170_Click() { percentageChosen(graphics_); }

// --- Drives and counted devices -------------------------------------------------------------

void MainWindowModel::driveChosen(const DriveBayControl& drive)
{
    chooseDrive(sheet_, *drive.bay, selectedText(drive.selector));
    Command1_Click();
}

void MainWindowModel::deviceCountChosen(const DeviceCountControl& devices)
{
    writeDeviceCount(sheet_, *devices.devices, selectedText(devices.count));
    Command1_Click();
}

void MainWindowModel::busSwitchToggled(const BusSwitchControl& bus)
{
    const DeviceCountControl& devices = bus.devices;
    changed(devices.count).enabled = states_[bus.box].ticked;
    // A cleared switch leaves nothing behind, and a fresh tick starts from no devices.
    selectItem(devices.count, 0);
    deviceCountChosen(devices);
}

void MainWindowModel::Combo11_Click() { driveChosen(drive1_); }
void MainWindowModel::Combo8_Click() { driveChosen(drive2_); }
void MainWindowModel::Combo9_Click() { deviceCountChosen(caseFans_); }
void MainWindowModel::Combo10_Click() { deviceCountChosen(caseLights_); }
void MainWindowModel::Combo13_Click() { deviceCountChosen(cardReaders_); }
void MainWindowModel::Combo14_Click() { deviceCountChosen(floppyDrives_); }
void MainWindowModel::Combo3_Click() { deviceCountChosen(hardDisks_); }
void MainWindowModel::Combo18_Click() { deviceCountChosen(otherPciCards_); }
void MainWindowModel::Combo15_Click() { deviceCountChosen(usb_.devices); }
void MainWindowModel::Combo16_Click() { deviceCountChosen(firewire_.devices); }
void MainWindowModel::Check6_Click() { busSwitchToggled(usb_); }
void MainWindowModel::Check9_Click() { busSwitchToggled(firewire_); }

// --- Add-in cards ----------------------------------------------------------------------------

void MainWindowModel::addInCardToggled(const AddInCardControl& card)
{
    applyAddInCard(sheet_, *card.card, states_[card.box].ticked);
    Command1_Click();
}

void MainWindowModel::Check1_Click() { addInCardToggled(modem_); }
void MainWindowModel::Check2_Click() { addInCardToggled(networkCard_); }
void MainWindowModel::Check3_Click() { addInCardToggled(soundCard_); }
void MainWindowModel::Check4_Click() { addInCardToggled(frontAudioPanel_); }
void MainWindowModel::Check5_Click() { addInCardToggled(scsiCard_); }
void MainWindowModel::Check8_Click() { addInCardToggled(tvTuner_); }
void MainWindowModel::Check7_Click() { addInCardToggled(waterCooler_); }

// --- Overclock switch ------------------------------------------------------------------------

void MainWindowModel::Check10_Click()
{
    const bool on = states_[overclock_].ticked;
    for (const ProductRowControls* row : {&processor_, &memory_, &graphics_}) {
        changed(row->overclockPicture).visible = on;
        changed(row->percentage).enabled = on;
        // Clearing discards the percentage; the reset recomputes the row at once.
        if (!on)
            selectItem(row->percentage, 0);
        changed(row->overclockLabel).enabled = on;
    }
    Command1_Click();
}

} // namespace ampora::ui
