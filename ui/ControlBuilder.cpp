#include "ui/ControlBuilder.h"

#include "ui/ArtWidget.h"
#include "ui/ClickableLabel.h"
#include "ui/ControlAccessible.h"
#include "ui/Fonts.h"
#include "ui/Resources.h"
#include "ui/TickBox.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>

namespace ampora::ui {

namespace {

// Rows an open drop-down list shows: every count list whole (the longest run from 0 to 12), and
// of the 51 processors and 101 percentages as many, with a scroll bar. At 14 to 16 pixels a row,
// a list of 13 fits below or above any selector on a 768-pixel screen, beside its selector.
constexpr int kListRows = 13;

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGreyedText(128, 128, 128);

void setBothGroups(QPalette& palette, QPalette::ColorRole role, const QColor& colour)
{
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
}

// Selectors and tick boxes start from the style's own palette rather than the desktop's, so that
// no colour scheme reaches their frames, arrows or check marks.
QPalette selectorPalette(QPalette palette)
{
    const QColor face(64, 64, 64);
    for (auto role : {QPalette::Button, QPalette::Base, QPalette::Window})
        palette.setColor(role, face);
    for (auto role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText}) {
        setBothGroups(palette, role, kWhite);
        palette.setColor(QPalette::Disabled, role, QColor(150, 150, 150));
    }
    return palette;
}

QPalette tickBoxPalette(QPalette palette)
{
    // The style's own white square and black mark, on a grey face.
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    return palette;
}

QPalette labelPalette(QPalette palette, const QColor& text)
{
    setBothGroups(palette, QPalette::WindowText, text);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kGreyedText);
    return palette;
}

Qt::Alignment labelAlignment(unsigned flags)
{
    const Qt::Alignment horizontal = (flags & Centred)        ? Qt::AlignHCenter
                                     : (flags & RightAligned) ? Qt::AlignRight
                                                              : Qt::AlignLeft;
    return horizontal | Qt::AlignTop;
}

// Art by resource, so that pictures repeating an icon load it once.
using ArtCache = QHash<QString, std::shared_ptr<Art>>;

QWidget* createControl(QWidget* window, const ControlRow& row, ArtCache& art)
{
    const QString caption = QString::fromUtf8(row.caption ? row.caption : "");
    switch (row.kind) {
    case ControlKind::Picture: {
        const QString resource = QStringLiteral(":/art/") + QString::fromUtf8(row.art);
        std::shared_ptr<Art>& shared = art[resource];
        if (!shared)
            shared = std::make_shared<Art>(resource);
        return new ArtWidget(shared, window);
    }
    case ControlKind::Label:
    case ControlKind::ClickableLabel: {
        auto* label = row.kind == ControlKind::ClickableLabel ? new ClickableLabel(caption, window)
                                                              : new QLabel(caption, window);
        label->setAlignment(labelAlignment(row.flags));
        label->setPalette(labelPalette(label->palette(), row.flags & BlackText ? kBlack : kWhite));
        if (row.kind == ControlKind::ClickableLabel)
            label->setCursor(Qt::PointingHandCursor);
        if (row.flags & Decoration)
            hideFromScreenReaders(label);
        return label;
    }
    case ControlKind::Selector: {
        auto* selector = new QComboBox(window); // a list to pick from, not to type into
        selector->setMaxVisibleItems(kListRows);
        announceItemChanges(selector);
        selector->setPalette(selectorPalette(selector->style()->standardPalette()));
        return selector;
    }
    case ControlKind::TickBox: {
        // The box is too narrow for a caption: the words beside it are a separate label.
        auto* box = new TickBox(window);
        box->setAutoFillBackground(true);
        box->setPalette(tickBoxPalette(box->style()->standardPalette()));
        return box;
    }
    case ControlKind::TextBox: {
        auto* textBox = new QPlainTextEdit(caption, window);
        QPalette palette = textBox->palette();
        palette.setColor(QPalette::Base, kBlack);
        palette.setColor(QPalette::Text, kWhite);
        // A dark scroll bar, in keeping with the window.
        palette.setColor(QPalette::Window, QColor(40, 40, 40));
        palette.setColor(QPalette::Button, QColor(64, 64, 64));
        textBox->setPalette(palette);
        textBox->setReadOnly(true);
        textBox->setFrameShape(QFrame::NoFrame);
        textBox->viewport()->setCursor(Qt::WhatsThisCursor);
        return textBox;
    }
    case ControlKind::Line: {
        auto* line = new QWidget(window);
        line->setAutoFillBackground(true);
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
        setLineColour(line, toQColor(row.colour));
        return line;
    }
    }
    return nullptr;
}

} // namespace

void setUpBorderlessWindow(QWidget* window, const QString& name, const QString& title,
                           const WindowLayout& layout)
{
    initResources();
    installControlAccessibility();
    window->setObjectName(name);
    window->setWindowTitle(title);
    window->setFixedSize(layout.size.width, layout.size.height);
    window->setFont(windowFont(layout.points));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kBlack);
    window->setPalette(palette);
    platform::prepareWindow(window);
}

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
}

void setTextColour(QWidget* label, const QColor& colour)
{
    QPalette palette = label->palette();
    setBothGroups(palette, QPalette::WindowText, colour);
    label->setPalette(palette);
}

void setLineColour(QWidget* line, const QColor& colour)
{
    // Every recalculation sets the load bar's colour, which rarely changes; a new palette costs
    // more than the rest of the recalculation together. A line whose colour was never set
    // still takes it from the window, so it must get its own.
    if (line->testAttribute(Qt::WA_SetPalette) && line->palette().color(QPalette::Window) == colour)
        return;
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
}

NamedControls buildControls(QWidget* window, const WindowLayout& layout)
{
    NamedControls built;
    QList<QWidget*> onTop;
    ArtCache art;
    for (const auto& row : layout.controls) {
        QWidget* control = createControl(window, row, art);
        control->setObjectName(QString::fromUtf8(row.name));
        const PixelRect place = pixelRect(row);
        control->setGeometry(place.x, place.y, place.width, place.height);
        // Controls in the window's own font inherit it; a font of their own costs start-up time.
        if (row.points) {
            const QFont font = windowFont(row.points);
            if (font != window->font())
                control->setFont(font);
        }
        if (row.toolTip)
            control->setToolTip(QString::fromUtf8(row.toolTip));
        if (row.spokenName)
            control->setAccessibleName(QString::fromUtf8(row.spokenName));
        control->setEnabled(!(row.flags & DisabledAtStart));
        control->setVisible(!(row.flags & HiddenAtStart));
        if (takesFocus(row.kind))
            onTop.append(control);
        else
            control->setFocusPolicy(Qt::NoFocus);
        built.add(control->objectName(), control);
    }
    for (QWidget* control : onTop)
        control->raise();
    return built;
}

} // namespace ampora::ui
