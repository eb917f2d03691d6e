// The main window without its widgets: what each pick and tick does to the power budget sheet, and
// what the window shows from it. The Qt window and the web page draw this model and pass the
// user's picks and ticks in; neither computes anything of its own.
//
// Handlers carry the names of their control and event; each reads its control, lets the catalogue
// write the sheet, and ends with one Recalculate (Command1_Click), which alone writes the estimate,
// its shadow, the load bar and the recommendation.
#pragma once

#include "core/Recalculate.h"
#include "core/Sheet.h"
#include "ui/model/ControlTable.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ampora {
struct AddInCard;
struct CountedDevice;
struct DriveBay;
struct ProductRow;
} // namespace ampora

namespace ampora::ui {

// What one control of the window shows now.
struct ControlState {
    bool enabled = true;
    bool visible = true;
    int item = -1;              // a selector's chosen item; none before the load step
    bool ticked = false;        // a tick box's state
    std::string caption;        // a label's words
    std::string toolTip;        // the estimate's account of its sum
    std::string spokenName;     // what a screen reader calls it, where the table does not say
    Rgb colour{};               // a line's colour
    std::uint64_t revision = 1; // the model's revision when it last changed
};

class MainWindowModel {
public:
    MainWindowModel();

    // The load step: brings every selector to its first item, each running its handler. Only
    // the first call does so, however often the window is shown.
    void Form_Load();

    // The user picked an item or set a tick box: its handler runs. A locked control, an item the
    // selector lacks and the item already chosen change nothing, but the control is marked as
    // changed all the same, so that a view that showed the refused change draws it back.
    void pick(std::string_view selector, int item);
    void tick(std::string_view box, bool ticked);

    // Counts the model's changes: a view draws the controls whose state has a later revision
    // than the one it drew last, and at first every control.
    std::uint64_t revision() const { return revision_; }
    // Hands draw(row, state) each control whose state changed after the revision since (0: every
    // control), in the table's order.
    template <typename Draw> void forEachChange(std::uint64_t since, Draw&& draw) const
    {
        for (std::size_t row = 0; row < states_.size(); ++row)
            if (states_[row].revision > since)
                draw(row, states_[row]);
    }
    // What a control of the layout table shows, by its name or its row.
    const ControlState& state(std::string_view control) const;
    const ControlState& state(std::size_t row) const { return states_[row]; }
    // The items a selector lists, in order.
    const std::vector<std::string>& items(std::string_view selector) const;
    // The estimate as a screen reader speaks it, "估计功率 243 瓦".
    const std::string& spokenEstimate() const { return spokenEstimate_; }
    const Sheet& sheet() const { return sheet_; }

    // Runs after every Recalculate, with what it computed.
    std::function<void(const Estimate&)> recalculated;

private:
    using Control = std::size_t; // a row of the layout table

    // A processor, memory or graphics row together with its row of the overclock panel.
    struct ProductRowControls {
        const ProductRow* row;
        Control model, count, percentage, overclockLabel, overclockPicture;
    };
    struct DriveBayControl {
        const DriveBay* bay;
        Control selector;
    };
    struct DeviceCountControl {
        const CountedDevice* devices;
        Control count;
    };
    // USB or FireWire: the switch unlocks the device count.
    struct BusSwitchControl {
        Control box;
        DeviceCountControl devices;
    };
    struct AddInCardControl {
        const AddInCard* card;
        Control box;
    };
    using Handler = void (MainWindowModel::*)();
    struct HandlerRow {
        const char* control;
        Handler handler;
    };
    static const HandlerRow kHandlers[];

    // Recalculate: the sheet and the bus switches into the estimate display.
    void Command1_Click();

    // Processor row.
    void Combo1_Click();
    void Combo2_Click();
    // Memory row.
    void Combo5_Click();
    void Combo4_Click();
    // Graphics row.
    void Combo6_Click();
    void Combo7_Click();
    // Optional drives.
    void Combo11_Click();
    void Combo8_Click();
    // Counted devices.
    void Combo9_Click();
    void Combo10_Click();
    void Combo13_Click();
    void Combo14_Click();
    void Combo3_Click();
    void Combo18_Click();
    void Combo15_Click();
    void Combo16_Click();
    // USB and FireWire switches.
    void Check6_Click();
    void Check9_Click();
    // Add-in cards.
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    void Check8_Click();
    void Check7_Click();
    // Overclock switch and percentages.
    void Check10_Click();
    void Combooc_Click();
    void Combo120_Click();
    void Combo170_Click();

    // The shared shapes behind the handlers above.
    void modelChosen(const ProductRowControls& row);
    void countChosen(const ProductRowControls& row);
    void percentageChosen(const ProductRowControls& row);
    void driveChosen(const DriveBayControl& bay);
    void deviceCountChosen(const DeviceCountControl& devices);
    void busSwitchToggled(const BusSwitchControl& bus);
    void addInCardToggled(const AddInCardControl& card);

    Control find(std::string_view name) const;
    // Selects an item from code: the selector's handler runs, even for the item already chosen.
    void selectItem(Control selector, int item);
    std::string_view selectedText(Control selector) const;
    void runHandler(Control control);
    // The control's state, marked as changed for the views to draw anew.
    ControlState& changed(Control control);

    std::span<const ControlRow> table_;
    std::unordered_map<std::string_view, Control> rows_;
    std::vector<ControlState> states_;
    std::vector<std::vector<std::string>> items_; // a selector's items, by row
    std::vector<Handler> handlers_;               // a selector's or tick box's handler, by row
    Sheet sheet_;
    std::string spokenEstimate_;
    std::uint64_t revision_ = 1;
    bool loaded_ = false;

    ProductRowControls processor_, memory_, graphics_;
    DriveBayControl drive1_, drive2_;
    DeviceCountControl caseFans_, caseLights_, cardReaders_, floppyDrives_, hardDisks_,
        otherPciCards_;
    BusSwitchControl usb_, firewire_;
    AddInCardControl modem_, networkCard_, soundCard_, frontAudioPanel_, scsiCard_, tvTuner_,
        waterCooler_;
    Control overclock_, digits_, shadow_, loadBar_, recommendation_;
};

} // namespace ampora::ui
