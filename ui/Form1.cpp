#include "ui/Form1.h"

#include "catalogue/CountedDevices.h"
#include "catalogue/Drives.h"
#include "catalogue/Graphics.h"
#include "catalogue/Memory.h"
#include "catalogue/Processors.h"
#include "catalogue/ProductRow.h"
#include "core/AddInCards.h"
#include "core/LoadStep.h"
#include "core/Recalculate.h"
#include "ui/ArtWidget.h"
#include "ui/ClickableLabel.h"
#include "ui/DesktopShell.h"
#include "ui/Fonts.h"
#include "ui/Form3.h"
#include "ui/Links.h"
#include "ui/MainWindowLayout.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>

// Data flow: every selector and tick box is wired below to its handler; a handler reads its own
// control, writes its slots of the sheet through the catalogue or core, and calls Recalculate
// (Command1_Click), which alone writes the estimate labels, the load bar and the recommendation.

namespace ampora::ui {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void fill(QComboBox* selector, const auto& items)
{
    for (const auto& item : items)
        selector->addItem(toQString(item));
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setUpBorderlessWindow(this, QStringLiteral("Form1"), QStringLiteral("Ampora"), kMainWindowSize);
    setWindowIcon(QIcon(QStringLiteral(":/art/app-icon.svg")));
    setFont(formFont(8.25));

    controls_ = buildForm(this, mainWindowControls(), mainWindowLines());
    estimate_ = control<QLabel>(QStringLiteral("Label4"));
    estimateShadow_ = control<QLabel>(QStringLiteral("Labelshadow"));
    loadBar_ = controls_.widget(QStringLiteral("Line1"));
    recommendation_ = control<QLabel>(QStringLiteral("Labeldr"));
    indexControlsByName();
    fillSelectors();
    connectHandlers();
    setUpKeyboardOrder();
    Form_Load();
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
    for (const ProductRow* row : {&kProcessorRow, &kMemoryRow, &kGraphicsRow}) {
        fill(selector(row->modelSelector), itemTexts(row->models));
        fill(selector(row->percentageSelector), numberedItems(100));
    }
    fill(selector(kProcessorRow.countSelector), kProcessorCounts);
    fill(selector(kMemoryRow.countSelector), numberedItems(kLastMemoryModuleCount));
    fill(selector(kGraphicsRow.countSelector), kGraphicsCardCounts);
    for (const DriveBay* bay : {&kDriveBay1, &kDriveBay2})
        fill(selector(bay->selector), driveItems(*bay));
    for (const CountedDevice& device : kCountedDevices)
        fill(selector(device.selector), numberedItems(device.lastCount));
}

void Form1::connectHandlers()
{
    using Handler = void (Form1::*)();
    static const std::pair<const char*, Handler> selectorHandlers[] = {
        {"Combo1", &Form1::Combo1_Click},     {"Combo2", &Form1::Combo2_Click},
        {"Combo5", &Form1::Combo5_Click},     {"Combo4", &Form1::Combo4_Click},
        {"Combo6", &Form1::Combo6_Click},     {"Combo7", &Form1::Combo7_Click},
        {"Combo11", &Form1::Combo11_Click},   {"Combo8", &Form1::Combo8_Click},
        {"Combo9", &Form1::Combo9_Click},     {"Combo10", &Form1::Combo10_Click},
        {"Combo13", &Form1::Combo13_Click},   {"Combo14", &Form1::Combo14_Click},
        {"Combo3", &Form1::Combo3_Click},     {"Combo18", &Form1::Combo18_Click},
        {"Combo15", &Form1::Combo15_Click},   {"Combo16", &Form1::Combo16_Click},
        {"Combooc", &Form1::Combooc_Click},   {"Combo120", &Form1::Combo120_Click},
        {"Combo170", &Form1::Combo170_Click},
    };
    for (const auto& [name, handler] : selectorHandlers) {
        QComboBox* combo = selector(name);
        selectorHandlers_.insert(combo, handler);
        connect(combo, &QComboBox::currentIndexChanged, this, handler);
    }
    static const std::pair<const char*, Handler> tickBoxHandlers[] = {
        {"Check1", &Form1::Check1_Click}, {"Check2", &Form1::Check2_Click},
        {"Check3", &Form1::Check3_Click}, {"Check4", &Form1::Check4_Click},
        {"Check5", &Form1::Check5_Click}, {"Check8", &Form1::Check8_Click},
        {"Check7", &Form1::Check7_Click}, {"Check6", &Form1::Check6_Click},
        {"Check9", &Form1::Check9_Click}, {"Check10", &Form1::Check10_Click},
    };
    for (const auto& [name, handler] : tickBoxHandlers)
        connect(control<QCheckBox>(QString::fromUtf8(name)), &QCheckBox::toggled, this, handler);

    static const std::pair<const char*, Handler> labelHandlers[] = {
        {"Label7", &Form1::Label7_Click},       {"Label822", &Form1::Label822_Click},
        {"labelf4if", &Form1::labelf4if_Click}, {"Label1L", &Form1::Label1L_Click},
        {"Label2l", &Form1::Label2l_Click},
    };
    for (const auto& [name, handler] : labelHandlers)
        connect(control<ClickableLabel>(QString::fromUtf8(name)), &ClickableLabel::clicked, this,
                handler);
    auto* website = control<ClickableLabel>(QStringLiteral("Label1L"));
    connect(website, &ClickableLabel::pressed, this, &Form1::Label1L_MouseDown);
    connect(website, &ClickableLabel::released, this, &Form1::Label1L_MouseUp);
    auto* feedback = control<ClickableLabel>(QStringLiteral("Label2l"));
    connect(feedback, &ClickableLabel::pressed, this, &Form1::Label2l_MouseDown);
    connect(feedback, &ClickableLabel::released, this, &Form1::Label2l_MouseUp);

    auto* background = control<ArtWidget>(QStringLiteral("Image2"));
    connect(background, &ArtWidget::pressed, this, &Form1::Image2_MouseDown);
    connect(background, &ArtWidget::dragged, this, &Form1::Image2_Drag);
}

void Form1::setUpKeyboardOrder()
{
    QWidget* previous = nullptr;
    for (const char* name : mainWindowTabOrder()) {
        QWidget* next = controls_.widget(QString::fromUtf8(name));
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

void Form1::indexControlsByName()
{
    // Handlers name their controls as the catalogue does; look them up without building strings.
    for (const ControlSpec& spec : mainWindowControls()) {
        if (spec.kind == ControlKind::Selector)
            selectors_.emplace(spec.name, control<QComboBox>(QString::fromUtf8(spec.name)));
        if (spec.kind == ControlKind::TickBox)
            tickBoxes_.emplace(spec.name, control<QCheckBox>(QString::fromUtf8(spec.name)));
    }
}

QComboBox* Form1::selector(std::string_view name) const { return selectors_.at(name); }

std::string Form1::selectedText(std::string_view name) const
{
    return selector(name)->currentText().toStdString();
}

bool Form1::isTicked(std::string_view box) const
{
    return tickBoxes_.at(box)->isChecked();
}

void Form1::selectItem(QComboBox* combo, int index)
{
    if (combo->currentIndex() != index)
        combo->setCurrentIndex(index); // the change signal runs the handler synchronously
    else
        (this->*selectorHandlers_.value(combo))();
}

void Form1::Form_Load()
{
    for (std::string_view name : kLoadOrder)
        selectItem(selector(name), 0);
    sheet_.writeLiteral(Slot::OtherPciWatts, "0");
    estimate_->setText(QStringLiteral("0"));
}

void Form1::Command1_Click()
{
    const Estimate estimate =
        recalculate(sheet_, isTicked(kUsbGroup.switchBox), isTicked(kFirewireGroup.switchBox));
    estimate_->setText(toQString(estimate.caption));
    const Rgb colour = bandColour(estimate.band);
    setLineColour(loadBar_, QColor(colour.red, colour.green, colour.blue));
    recommendation_->setEnabled(estimate.dualRailRecommended);
    estimateShadow_->setText(estimate_->text());
    ++recalculations_;
    emit estimateChanged(estimate_->text());
}

// --- Processor, memory and graphics rows ---------------------------------------------------

void Form1::modelChosen(const ProductRow& row)
{
    chooseModel(sheet_, row, selectedText(row.modelSelector), selectedText(row.percentageSelector));
    Command1_Click();
}

void Form1::countChosen(const ProductRow& row)
{
    chooseCount(sheet_, row, selectedText(row.countSelector), selectedText(row.percentageSelector));
    Command1_Click();
}

void Form1::percentageChosen(const ProductRow& row)
{
    applyOverclock(sheet_, row, selectedText(row.percentageSelector));
    Command1_Click();
}

void Form1::Combo1_Click() { modelChosen(kProcessorRow); }
void Form1::Combo2_Click() { countChosen(kProcessorRow); }
void Form1::Combo5_Click() { modelChosen(kMemoryRow); }
void Form1::Combo4_Click() { countChosen(kMemoryRow); }
void Form1::Combo6_Click() { modelChosen(kGraphicsRow); }
void Form1::Combo7_Click() { countChosen(kGraphicsRow); }
void Form1::Combooc_Click() { percentageChosen(kProcessorRow); }
void Form1::Combo120_Click() { percentageChosen(kMemoryRow); }
void Form1::Combo170_Click() { percentageChosen(kGraphicsRow); }

// --- Drives and counted devices -------------------------------------------------------------

void Form1::driveChosen(const DriveBay& bay)
{
    chooseDrive(sheet_, bay, selectedText(bay.selector));
    Command1_Click();
}

void Form1::deviceCountChosen(const char* name)
{
    writeDeviceCount(sheet_, *countedDeviceFor(name), selectedText(name));
    Command1_Click();
}

void Form1::busSwitchToggled(const BusGroup& group)
{
    QComboBox* count = selector(group.countSelector);
    count->setEnabled(isTicked(group.switchBox));
    // A cleared switch leaves nothing behind, and a fresh tick starts from no devices.
    selectItem(count, 0);
    writeDeviceCount(sheet_, *countedDeviceFor(group.countSelector),
                     selectedText(group.countSelector));
    Command1_Click();
}

void Form1::Combo11_Click() { driveChosen(kDriveBay1); }
void Form1::Combo8_Click() { driveChosen(kDriveBay2); }
void Form1::Combo9_Click() { deviceCountChosen("Combo9"); }
void Form1::Combo10_Click() { deviceCountChosen("Combo10"); }
void Form1::Combo13_Click() { deviceCountChosen("Combo13"); }
void Form1::Combo14_Click() { deviceCountChosen("Combo14"); }
void Form1::Combo3_Click() { deviceCountChosen("Combo3"); }
void Form1::Combo18_Click() { deviceCountChosen("Combo18"); }
void Form1::Combo15_Click() { deviceCountChosen("Combo15"); }
void Form1::Combo16_Click() { deviceCountChosen("Combo16"); }
void Form1::Check6_Click() { busSwitchToggled(kUsbGroup); }
void Form1::Check9_Click() { busSwitchToggled(kFirewireGroup); }

// --- Add-in cards ----------------------------------------------------------------------------

void Form1::addInCardToggled(const char* box)
{
    applyAddInCard(sheet_, *addInCardFor(box), isTicked(box));
    Command1_Click();
}

void Form1::Check1_Click() { addInCardToggled("Check1"); }
void Form1::Check2_Click() { addInCardToggled("Check2"); }
void Form1::Check3_Click() { addInCardToggled("Check3"); }
void Form1::Check4_Click() { addInCardToggled("Check4"); }
void Form1::Check5_Click() { addInCardToggled("Check5"); }
void Form1::Check8_Click() { addInCardToggled("Check8"); }
void Form1::Check7_Click() { addInCardToggled("Check7"); }

// --- Overclock switch ------------------------------------------------------------------------

void Form1::Check10_Click()
{
    static const char* const percentages[] = {"Combooc", "Combo120", "Combo170"};
    static const char* const pictures[] = {"Image22", "Image23", "Image24"};
    static const char* const rowLabels[] = {"Label6322", "Label9", "Label18"};
    const bool on = isTicked("Check10");
    if (on) {
        for (const char* name : percentages)
            selector(name)->setEnabled(true);
        for (const char* name : pictures)
            controls_.widget(QString::fromUtf8(name))->show();
        for (const char* name : rowLabels)
            controls_.widget(QString::fromUtf8(name))->setEnabled(true);
    } else {
        for (const char* name : pictures)
            controls_.widget(QString::fromUtf8(name))->hide();
        for (const char* name : percentages)
            selector(name)->setEnabled(false);
        // Clearing discards the percentages; each reset recomputes its row at once.
        for (const char* name : percentages)
            selectItem(selector(name), 0);
        for (const char* name : rowLabels)
            controls_.widget(QString::fromUtf8(name))->setEnabled(false);
    }
    Command1_Click();
}

// --- Window chrome ---------------------------------------------------------------------------

void Form1::Image2_MouseDown(QPoint globalPosition)
{
    dragOffset_ = globalPosition - pos();
    draggingByHand_ = !startWindowMove(this);
}

void Form1::Image2_Drag(QPoint globalPosition)
{
    if (draggingByHand_)
        move(globalPosition - dragOffset_);
}

void Form1::Label7_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event)
{
    // However the main window is closed, the About window goes with it and the program ends.
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

void Form1::linkPressed(const QString& link)
{
    setTextColour(controls_.widget(link), kLinkPressedColour);
}

void Form1::linkReleased(const QString& link)
{
    setTextColour(controls_.widget(link), systemWindowColour());
}

void Form1::Label1L_MouseDown() { linkPressed(QStringLiteral("Label1L")); }
void Form1::Label1L_MouseUp() { linkReleased(QStringLiteral("Label1L")); }
void Form1::Label1L_Click() { openTarget(this, QString::fromUtf8(kWebsiteTarget)); }
void Form1::Label2l_MouseDown() { linkPressed(QStringLiteral("Label2l")); }
void Form1::Label2l_MouseUp() { linkReleased(QStringLiteral("Label2l")); }
void Form1::Label2l_Click() { openTarget(this, QString::fromUtf8(kFeedbackTarget)); }

} // namespace ampora::ui
