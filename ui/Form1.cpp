#include "ui/Form1.h"

#include "catalogue/AddInCards.h"
#include "catalogue/CountedDevices.h"
#include "catalogue/Drives.h"
#include "catalogue/ProductRow.h"
#include "core/Recalculate.h"
#include "ui/Art.h"
#include "ui/ArtWidget.h"
#include "ui/ClickableLabel.h"
#include "ui/EstimateText.h"
#include "ui/FirstFrame.h"
#include "ui/Fonts.h"
#include "ui/Links.h"
#include "ui/MainWindowLayout.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>

// Data flow: every selector and tick box is wired below to its handler; a handler reads its own
// control, writes its slots of the sheet through the catalogue, and calls Recalculate
// (Command1_Click), which alone writes the estimate labels, the load bar and the recommendation.

namespace ampora::ui {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string selectedText(const QComboBox* selector)
{
    return selector->currentText().toStdString();
}

// All items in one insertion: the list model then tells its views once, not once an item.
void fill(QComboBox* selector, const auto& items)
{
    QStringList texts;
    texts.reserve(qsizetype(std::size(items)));
    for (const auto& item : items)
        texts.append(toQString(item));
    selector->addItems(texts);
}

// Selects an item from code. The change signal runs the selector's handler before this returns,
// even when the item was already selected, as every pick from code must.
void selectItem(QComboBox* selector, int index)
{
    if (selector->currentIndex() == index) {
        const QSignalBlocker quiet(selector);
        selector->setCurrentIndex(-1);
    }
    selector->setCurrentIndex(index);
}

void setUpKeyboardOrder(const QList<QWidget*>& order)
{
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setUpBorderlessWindow(this, QStringLiteral("Form1"), QStringLiteral("Ampora"), kMainWindowSize);
    setFont(windowFont(kBodyPoints));
    firstFrame_ = FirstFrame::unpackFor(this);
    if (firstFrame_) // queued: gone once its frame is on screen, when the controls draw themselves
        connect(
            firstFrame_.get(), &FirstFrame::shown, this, [this] { firstFrame_.reset(); },
            Qt::QueuedConnection);

    controls_ =
        bindMainWindowControls(buildControls(this, mainWindowControls(), mainWindowLines()));
    fillSelectors();
    connectHandlers();
    setUpKeyboardOrder(controls_.tabOrder);
    centreOnScreen(this);
}

Form1::~Form1()
{
    // The controls outlive this object's members while QWidget tears them down: cut them off
    // from the handlers first.
    for (QObject* child : children())
        child->disconnect(this);
    delete about_;
}

void Form1::fillSelectors()
{
    for (const ProductRowControls* row :
         {&controls_.processor, &controls_.memory, &controls_.graphics}) {
        fill(row->model, itemTexts(row->row->models));
        fill(row->count, row->row->counts);
        fill(row->percentage, numberedItems(kLastOverclockPercentage));
    }
    for (const DriveBayControl* drive : {&controls_.drive1, &controls_.drive2})
        fill(drive->selector, driveItems(*drive->bay));
    for (const DeviceCountControl* device :
         {&controls_.caseFans, &controls_.caseLights, &controls_.cardReaders,
          &controls_.floppyDrives, &controls_.hardDisks, &controls_.otherPciCards,
          &controls_.usb.devices, &controls_.firewire.devices})
        fill(device->count, numberedItems(device->devices->lastCount));
}

void Form1::connectHandlers()
{
    using Handler = void (Form1::*)();
    const MainWindowControls& c = controls_;
    const std::pair<QComboBox*, Handler> selectors[] = {
        {c.processor.model, &Form1::Combo1_Click},
        {c.processor.count, &Form1::Combo2_Click},
        {c.memory.model, &Form1::Combo5_Click},
        {c.memory.count, &Form1::Combo4_Click},
        {c.graphics.model, &Form1::Combo6_Click},
        {c.graphics.count, &Form1::Combo7_Click},
        {c.drive1.selector, &Form1::Combo11_Click},
        {c.drive2.selector, &Form1::Combo8_Click},
        {c.caseFans.count, &Form1::Combo9_Click},
        {c.caseLights.count, &Form1::Combo10_Click},
        {c.cardReaders.count, &Form1::Combo13_Click},
        {c.floppyDrives.count, &Form1::Combo14_Click},
        {c.hardDisks.count, &Form1::Combo3_Click},
        {c.otherPciCards.count, &Form1::Combo18_Click},
        {c.usb.devices.count, &Form1::Combo15_Click},
        {c.firewire.devices.count, &Form1::Combo16_Click},
        {c.processor.percentage, &Form1::Combooc_Click},
        {c.memory.percentage, &Form1::Combo120_Click},
        {c.graphics.percentage, &Form1::Combo170_Click},
    };
    for (const auto& [selector, handler] : selectors)
        connect(selector, &QComboBox::currentIndexChanged, this, handler);
    const std::pair<QCheckBox*, Handler> boxes[] = {
        {c.modem.box, &Form1::Check1_Click},       {c.networkCard.box, &Form1::Check2_Click},
        {c.soundCard.box, &Form1::Check3_Click},   {c.frontAudioPanel.box, &Form1::Check4_Click},
        {c.scsiCard.box, &Form1::Check5_Click},    {c.tvTuner.box, &Form1::Check8_Click},
        {c.waterCooler.box, &Form1::Check7_Click}, {c.usb.box, &Form1::Check6_Click},
        {c.firewire.box, &Form1::Check9_Click},    {c.overclock, &Form1::Check10_Click},
    };
    for (const auto& [box, handler] : boxes)
        connect(box, &QCheckBox::toggled, this, handler);
    const std::pair<ClickableLabel*, Handler> clicks[] = {
        {c.chrome.close, &Form1::Label7_Click},     {c.chrome.help, &Form1::Label822_Click},
        {c.chrome.about, &Form1::labelf4if_Click},  {c.chrome.website, &Form1::Label1L_Click},
        {c.chrome.feedback, &Form1::Label2l_Click},
    };
    for (const auto& [label, handler] : clicks)
        connect(label, &ClickableLabel::clicked, this, handler);
    connect(c.chrome.website, &ClickableLabel::pressed, this, &Form1::Label1L_MouseDown);
    connect(c.chrome.website, &ClickableLabel::released, this, &Form1::Label1L_MouseUp);
    connect(c.chrome.feedback, &ClickableLabel::pressed, this, &Form1::Label2l_MouseDown);
    connect(c.chrome.feedback, &ClickableLabel::released, this, &Form1::Label2l_MouseUp);
    connect(c.chrome.background, &ArtWidget::pressed, this, &Form1::Image2_MouseDown);
    connect(c.chrome.background, &ArtWidget::dragged, this, &Form1::Image2_Drag);
}

void Form1::showEvent(QShowEvent* event)
{
    // The load step runs once, before the window first shows.
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
        if (firstFrame_ && !firstFrame_->cover())
            firstFrame_.reset();
    }
    QWidget::showEvent(event);
}

void Form1::paintEvent(QPaintEvent* event)
{
    // The window icon waits for the first frame: queued, it is set once that frame is painted and
    // flushed to the screen.
    if (windowIcon().isNull()) {
        QMetaObject::invokeMethod(
            this, [this] { setWindowIcon(programIcon()); }, Qt::QueuedConnection);
    }
    QWidget::paintEvent(event);
}

void Form1::Form_Load()
{
    for (QComboBox* selector : controls_.loadOrder)
        selectItem(selector, 0);
    sheet_.writeLiteral(Slot::OtherPciWatts, "0");
    controls_.estimate.digits->setText(QStringLiteral("0"));
}

void Form1::Command1_Click()
{
    const EstimateDisplay& display = controls_.estimate;
    const bool usb = controls_.usb.box->isChecked(), firewire = controls_.firewire.box->isChecked();
    const Estimate estimate = recalculate(sheet_, usb, firewire);
    display.digits->setText(toQString(estimate.caption));
    const Rgb bar = estimate.loadBar;
    setLineColour(display.loadBar, QColor(bar.red, bar.green, bar.blue));
    display.recommendation->setEnabled(estimate.dualRailRecommended);
    display.shadow->setText(display.digits->text());
    describeEstimate(
        estimateText(breakDownEstimate(sheet_, usb, firewire, estimate.caption), estimate.caption));
    emit estimateChanged(display.digits->text());
}

// For the ear and the curious: the digits are named with their unit and explain their sum in a
// tool tip, which is also their description. The window is described by the estimate, and so
// is every selector and tick box, so a screen reader's "where am I" tells it anywhere.
void Form1::describeEstimate(const QString& breakdown)
{
    QLabel* digits = controls_.estimate.digits;
    digits->setToolTip(breakdown);
    digits->setAccessibleName(digits->text() + QStringLiteral(" 瓦"));
    setAccessibleDescription(QStringLiteral("估计功率 ") + digits->accessibleName());
}

// --- Processor, memory and graphics rows ---------------------------------------------------

void Form1::modelChosen(const ProductRowControls& row)
{
    chooseModel(sheet_, *row.row, selectedText(row.model), selectedText(row.percentage));
    Command1_Click();
}

void Form1::countChosen(const ProductRowControls& row)
{
    chooseCount(sheet_, *row.row, selectedText(row.count), selectedText(row.percentage));
    Command1_Click();
}

void Form1::percentageChosen(const ProductRowControls& row)
{
    applyOverclock(sheet_, *row.row, selectedText(row.percentage));
    Command1_Click();
}

void Form1::Combo1_Click() { modelChosen(controls_.processor); }
void Form1::Combo2_Click() { countChosen(controls_.processor); }
void Form1::Combo5_Click() { modelChosen(controls_.memory); }
void Form1::Combo4_Click() { countChosen(controls_.memory); }
void Form1::Combo6_Click() { modelChosen(controls_.graphics); }
void Form1::Combo7_Click() { countChosen(controls_.graphics); }
void Form1::Combooc_Click() { percentageChosen(controls_.processor); }
void Form1::Combo120_Click() { percentageChosen(controls_.memory); }
void Form1::Combo170_Click() { percentageChosen(controls_.graphics); }

// --- Drives and counted devices -------------------------------------------------------------

void Form1::driveChosen(const DriveBayControl& drive)
{
    chooseDrive(sheet_, *drive.bay, selectedText(drive.selector));
    Command1_Click();
}

void Form1::deviceCountChosen(const DeviceCountControl& devices)
{
    writeDeviceCount(sheet_, *devices.devices, selectedText(devices.count));
    Command1_Click();
}

void Form1::busSwitchToggled(const BusSwitchControl& bus)
{
    const DeviceCountControl& devices = bus.devices;
    devices.count->setEnabled(bus.box->isChecked());
    // A cleared switch leaves nothing behind, and a fresh tick starts from no devices.
    selectItem(devices.count, 0);
    writeDeviceCount(sheet_, *devices.devices, selectedText(devices.count));
    Command1_Click();
}

void Form1::Combo11_Click() { driveChosen(controls_.drive1); }
void Form1::Combo8_Click() { driveChosen(controls_.drive2); }
void Form1::Combo9_Click() { deviceCountChosen(controls_.caseFans); }
void Form1::Combo10_Click() { deviceCountChosen(controls_.caseLights); }
void Form1::Combo13_Click() { deviceCountChosen(controls_.cardReaders); }
void Form1::Combo14_Click() { deviceCountChosen(controls_.floppyDrives); }
void Form1::Combo3_Click() { deviceCountChosen(controls_.hardDisks); }
void Form1::Combo18_Click() { deviceCountChosen(controls_.otherPciCards); }
void Form1::Combo15_Click() { deviceCountChosen(controls_.usb.devices); }
void Form1::Combo16_Click() { deviceCountChosen(controls_.firewire.devices); }
void Form1::Check6_Click() { busSwitchToggled(controls_.usb); }
void Form1::Check9_Click() { busSwitchToggled(controls_.firewire); }

// --- Add-in cards ----------------------------------------------------------------------------

void Form1::addInCardToggled(const AddInCardControl& card)
{
    applyAddInCard(sheet_, *card.card, card.box->isChecked());
    Command1_Click();
}

void Form1::Check1_Click() { addInCardToggled(controls_.modem); }
void Form1::Check2_Click() { addInCardToggled(controls_.networkCard); }
void Form1::Check3_Click() { addInCardToggled(controls_.soundCard); }
void Form1::Check4_Click() { addInCardToggled(controls_.frontAudioPanel); }
void Form1::Check5_Click() { addInCardToggled(controls_.scsiCard); }
void Form1::Check8_Click() { addInCardToggled(controls_.tvTuner); }
void Form1::Check7_Click() { addInCardToggled(controls_.waterCooler); }

// --- Overclock switch ------------------------------------------------------------------------

void Form1::Check10_Click()
{
    const bool on = controls_.overclock->isChecked();
    for (const ProductRowControls* row :
         {&controls_.processor, &controls_.memory, &controls_.graphics}) {
        row->overclockPicture->setVisible(on);
        row->percentage->setEnabled(on);
        // Clearing discards the percentage; the reset recomputes the row at once.
        if (!on)
            selectItem(row->percentage, 0);
        row->overclockLabel->setEnabled(on);
    }
    Command1_Click();
}

// --- Window chrome ---------------------------------------------------------------------------

void Form1::Image2_MouseDown(Qt::MouseButton button, QPoint globalPosition)
{
    // The system moves the window after the left button, while it is down. Any other button,
    // or where the system will not, the window follows the pointer from here while it is held.
    handDragOffset_.reset();
    if (button != Qt::LeftButton || !platform::startSystemMove(this))
        handDragOffset_ = globalPosition - pos();
}

void Form1::Image2_Drag(QPoint globalPosition)
{
    if (handDragOffset_)
        move(globalPosition - *handDragOffset_);
}

void Form1::Label7_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event)
{
    // However the main window is closed, even in the midst of a move, the About window goes with
    // it and the program ends.
    platform::endSystemMove(this);
    if (about_)
        about_->close();
    event->accept();
}

void Form1::showAbout()
{
    if (!about_)
        about_ = new Form3();
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void Form1::Label822_Click() { showAbout(); }
void Form1::labelf4if_Click() { showAbout(); }

// A link label turns cyan while pressed and takes the system window colour on release.
void Form1::Label1L_MouseDown() { setTextColour(controls_.chrome.website, kLinkPressedColour); }
void Form1::Label1L_MouseUp() { setTextColour(controls_.chrome.website, releasedLinkColour()); }
void Form1::Label1L_Click() { platform::openTarget(this, QString::fromUtf8(kWebsiteTarget)); }
void Form1::Label2l_MouseDown() { setTextColour(controls_.chrome.feedback, kLinkPressedColour); }
void Form1::Label2l_MouseUp() { setTextColour(controls_.chrome.feedback, releasedLinkColour()); }
void Form1::Label2l_Click() { platform::openTarget(this, QString::fromUtf8(kFeedbackTarget)); }

} // namespace ampora::ui
