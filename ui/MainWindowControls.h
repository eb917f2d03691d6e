// The main window's controls resolved once into groups by the part of the machine they drive,
// so that handlers reach them by role. Binding them is the one place where control names meet
// the catalogue's entities.
#pragma once

#include "ui/ControlBuilder.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;

namespace ampora {
struct AddInCard;
struct CountedDevice;
struct DriveBay;
struct ProductRow;
} // namespace ampora

namespace ampora::ui {

class ArtWidget;
class ClickableLabel;

// A processor, memory or graphics row together with its row of the overclock panel.
struct ProductRowControls {
    const ProductRow* row;
    QComboBox* model;
    QComboBox* count;
    QComboBox* percentage;
    QLabel* overclockLabel;
    QWidget* overclockPicture;
};

struct DriveBayControl {
    const DriveBay* bay;
    QComboBox* selector;
};

struct DeviceCountControl {
    const CountedDevice* devices;
    QComboBox* count;
};

// USB or FireWire: the switch unlocks the device count.
struct BusSwitchControl {
    QCheckBox* box;
    DeviceCountControl devices;
};

struct AddInCardControl {
    const AddInCard* card;
    QCheckBox* box;
};

// What Recalculate writes: the big digits, their shadow, the load bar and the recommendation.
struct EstimateDisplay {
    QLabel* digits;
    QLabel* shadow;
    QWidget* loadBar;
    QLabel* recommendation;
};

// The borderless window's own caption buttons and links.
struct WindowChrome {
    ArtWidget* background;
    ClickableLabel* close;
    ClickableLabel* help;
    ClickableLabel* about;
    ClickableLabel* website;
    ClickableLabel* feedback;
};

struct MainWindowControls {
    ProductRowControls processor, memory, graphics;
    DriveBayControl drive1, drive2;
    DeviceCountControl caseFans, caseLights, cardReaders, floppyDrives, hardDisks, otherPciCards;
    BusSwitchControl usb, firewire;
    AddInCardControl modem, networkCard, soundCard, frontAudioPanel, scsiCard, tvTuner, waterCooler;
    QCheckBox* overclock;
    EstimateDisplay estimate;
    WindowChrome chrome;
    QList<QComboBox*> loadOrder; // the selectors in the order the load step selects them
    QList<QWidget*> tabOrder;    // the selectors and tick boxes in keyboard order
};

MainWindowControls bindMainWindowControls(const NamedControls& controls);

} // namespace ampora::ui
