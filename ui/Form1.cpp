#include "ui/Form1.h"

#include "ui/Art.h"
#include "ui/ArtWidget.h"
#include "ui/ClickableLabel.h"
#include "ui/ControlBuilder.h"
#include "ui/FirstFrame.h"
#include "ui/model/Links.h"
#include "ui/model/MainWindowLayout.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>

#include <utility>

// Data flow: a selector's pick or a tick box's toggle goes to the model, which runs the control's
// handler; the handler writes the sheet and recalculates. The window then draws every control
// the model changed: selections, locks, the estimate, its shadow, the load bar and the
// recommendation.

namespace ampora::ui {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// All items in one insertion: the list model then tells its views once, not once an item.
void fill(QComboBox* selector, const std::vector<std::string>& items)
{
    QStringList texts;
    texts.reserve(qsizetype(items.size()));
    for (const auto& item : items)
        texts.append(toQString(item));
    selector->addItems(texts);
}

void setUpKeyboardOrder(const NamedControls& controls)
{
    QWidget* previous = nullptr;
    for (const char* name : mainWindowTabOrder()) {
        QWidget* next = controls.get(name);
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

// Draws one control as the model has it.
void showState(QWidget* control, ControlKind kind, const ControlState& state)
{
    control->setEnabled(state.enabled);
    control->setVisible(state.visible);
    switch (kind) {
    case ControlKind::Selector:
        static_cast<QComboBox*>(control)->setCurrentIndex(state.item);
        break;
    case ControlKind::TickBox:
        static_cast<QCheckBox*>(control)->setChecked(state.ticked);
        break;
    case ControlKind::Label:
        static_cast<QLabel*>(control)->setText(toQString(state.caption));
        if (!state.toolTip.empty())
            control->setToolTip(toQString(state.toolTip));
        if (!state.spokenName.empty())
            control->setAccessibleName(toQString(state.spokenName));
        break;
    case ControlKind::Line:
        setLineColour(control, toQColor(state.colour));
        break;
    default:
        break;
    }
}

// A released link label takes the system's window colour, which is the desktop palette's Base
// (on Windows, Qt takes it from COLOR_WINDOW).
QColor releasedLinkColour() { return QGuiApplication::palette().color(QPalette::Base); }

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    const WindowLayout layout = mainWindowLayout();
    setUpBorderlessWindow(this, QStringLiteral("Form1"), QStringLiteral("Ampora"), layout);
    firstFrame_ = FirstFrame::unpackFor(this);
    if (firstFrame_) // queued: gone once its frame is on screen, when the controls draw themselves
        connect(
            firstFrame_.get(), &FirstFrame::shown, this, [this] { firstFrame_.reset(); },
            Qt::QueuedConnection);

    const NamedControls controls = buildControls(this, layout);
    controls_ = controls.inTableOrder();
    chrome_ = {controls.get<ArtWidget>("Image2"),        controls.get<ClickableLabel>("Label7"),
               controls.get<ClickableLabel>("Label822"), controls.get<ClickableLabel>("labelf4if"),
               controls.get<ClickableLabel>("Label1L"),  controls.get<ClickableLabel>("Label2l")};
    for (std::size_t row = 0; row < layout.controls.size(); ++row)
        if (auto* selector = qobject_cast<QComboBox*>(controls_[qsizetype(row)]))
            fill(selector, model_.items(layout.controls[row].name));
    connectControls();
    setUpKeyboardOrder(controls);
    centreOnScreen(this);
}

Form1::~Form1()
{
    // The controls outlive this object's members while QWidget tears them down: cut them off
    // from the model first.
    for (QObject* child : children())
        child->disconnect(this);
    delete about_;
}

void Form1::connectControls()
{
    const std::span<const ControlRow> rows = mainWindowLayout().controls;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        QWidget* control = controls_[qsizetype(row)];
        const char* name = rows[row].name;
        if (auto* selector = qobject_cast<QComboBox*>(control))
            connect(selector, &QComboBox::currentIndexChanged, this, [=, this](int item) {
                if (item == model_.state(row).item)
                    return; // the model's own selection, being drawn
                model_.pick(name, item);
                showModel();
            });
        else if (auto* box = qobject_cast<QCheckBox*>(control))
            connect(box, &QCheckBox::toggled, this, [=, this](bool ticked) {
                if (ticked == model_.state(row).ticked)
                    return;
                model_.tick(name, ticked);
                showModel();
            });
    }
    model_.recalculated = [this](const Estimate& estimate) {
        emit estimateChanged(toQString(estimate.caption));
    };

    using Handler = void (Form1::*)();
    const std::pair<ClickableLabel*, Handler> clicks[] = {
        {chrome_.close, &Form1::Label7_Click},     {chrome_.help, &Form1::Label822_Click},
        {chrome_.about, &Form1::labelf4if_Click},  {chrome_.website, &Form1::Label1L_Click},
        {chrome_.feedback, &Form1::Label2l_Click},
    };
    for (const auto& [label, handler] : clicks)
        connect(label, &ClickableLabel::clicked, this, handler);
    connect(chrome_.website, &ClickableLabel::pressed, this, &Form1::Label1L_MouseDown);
    connect(chrome_.website, &ClickableLabel::released, this, &Form1::Label1L_MouseUp);
    connect(chrome_.feedback, &ClickableLabel::pressed, this, &Form1::Label2l_MouseDown);
    connect(chrome_.feedback, &ClickableLabel::released, this, &Form1::Label2l_MouseUp);
    connect(chrome_.background, &ArtWidget::pressed, this, &Form1::Image2_MouseDown);
    connect(chrome_.background, &ArtWidget::dragged, this, &Form1::Image2_Drag);
}

void Form1::showModel()
{
    // Marked drawn first: drawing a selection raises its change signal, which comes back here.
    const std::uint64_t since = std::exchange(shownRevision_, model_.revision());
    const std::span<const ControlRow> rows = mainWindowLayout().controls;
    model_.forEachChange(since, [&](std::size_t row, const ControlState& state) {
        showState(controls_[qsizetype(row)], rows[row].kind, state);
    });
    // The window is described by the estimate, and so is every selector and tick box (see
    // ControlAccessible), so a screen reader's "where am I" tells it anywhere.
    const QString described = toQString(model_.spokenEstimate());
    if (accessibleDescription() != described)
        setAccessibleDescription(described);
}

void Form1::showEvent(QShowEvent* event)
{
    // The load step runs before the window first shows, and only then.
    model_.Form_Load();
    showModel();
    if (firstFrame_ && !firstFrame_->cover())
        firstFrame_.reset();
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
void Form1::Label1L_MouseDown() { setTextColour(chrome_.website, toQColor(kLinkPressedColour)); }
void Form1::Label1L_MouseUp() { setTextColour(chrome_.website, releasedLinkColour()); }
void Form1::Label1L_Click() { platform::openTarget(this, QString::fromUtf8(kWebsiteTarget)); }
void Form1::Label2l_MouseDown() { setTextColour(chrome_.feedback, toQColor(kLinkPressedColour)); }
void Form1::Label2l_MouseUp() { setTextColour(chrome_.feedback, releasedLinkColour()); }
void Form1::Label2l_Click() { platform::openTarget(this, QString::fromUtf8(kFeedbackTarget)); }

} // namespace ampora::ui
