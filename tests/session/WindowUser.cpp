#include "tests/session/WindowUser.h"

#include "ui/Form3.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

namespace session {

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

QtMessageHandler platformHandler = nullptr;

void dropPlatformNotices(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        platformHandler(type, context, text);
}

void flushDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The pointer moving over a widget with no button held.
void movePointer(QWidget* widget, QPoint to)
{
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Where the pointer first goes after a click opened the list: the list ignores a release too
// close to the opening click (it takes it for the click's own release), so the pointer leaves
// through the list's corner farthest from that click.
QPoint farthestCorner(QWidget* list, QPoint clickedAt)
{
    const QRect area = list->rect();
    QPoint farthest = area.topLeft();
    for (QPoint corner : {area.topRight(), area.bottomLeft(), area.bottomRight()})
        if ((list->mapToGlobal(corner) - clickedAt).manhattanLength() >
            (list->mapToGlobal(farthest) - clickedAt).manhattanLength())
            farthest = corner;
    return farthest;
}

// The middle of the part of the item that shows: a long list may leave its last item only
// partly in view, and items may be laid out wider than a narrow list.
QPoint visibleCentre(QAbstractItemView* list, const QModelIndex& item)
{
    const QRect shown = list->visualRect(item) & list->viewport()->rect();
    return shown.isEmpty() ? QPoint(-1, -1) : shown.center();
}

} // namespace

QComboBox* WindowUser::selector(const std::string& name) const
{
    return form_.control<QComboBox>(qt(name));
}

QCheckBox* WindowUser::box(const std::string& name) const
{
    return form_.control<QCheckBox>(qt(name));
}

QWidget* WindowUser::widget(const std::string& name) const
{
    return form_.control<QWidget>(qt(name));
}

void WindowUser::pressKey(QComboBox* selector, int key) const
{
    selector->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(selector, static_cast<Qt::Key>(key));
}

bool WindowUser::pickFromList(QComboBox* selector, int index, bool openByMouse) const
{
    if (openByMouse)
        QTest::mouseClick(selector, Qt::LeftButton);
    else
        QTest::keyClick(selector, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = selector->view();
    if (!list->isVisible())
        return false;
    const QModelIndex item = list->model()->index(index, selector->modelColumn());
    QWidget* viewport = list->viewport();
    if (openByMouse)
        movePointer(viewport,
                    farthestCorner(viewport, selector->mapToGlobal(selector->rect().center())));
    list->scrollTo(item, QAbstractItemView::PositionAtCenter);
    // Hovering makes the item current, which may scroll the list a little: aim again after.
    movePointer(viewport, visibleCentre(list, item));
    const QPoint target = visibleCentre(list, item);
    if (list->indexAt(target) != item) {
        selector->hidePopup();
        return false;
    }
    QTest::mouseClick(viewport, Qt::LeftButton, {}, target);
    if (list->isVisible()) {
        selector->hidePopup();
        return false;
    }
    return true;
}

bool WindowUser::listOpensOnClick(QComboBox* selector) const
{
    QTest::mousePress(selector, Qt::LeftButton);
    const bool opened = selector->view()->isVisible();
    if (opened)
        selector->hidePopup();
    QTest::mouseRelease(selector, Qt::LeftButton);
    return opened;
}

void WindowUser::clickBox(QCheckBox* box) const
{
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
}

void WindowUser::pressSpaceOn(QCheckBox* box) const
{
    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
}

void WindowUser::click(QWidget* widget) const
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void WindowUser::openAbout(const std::string& label) const { click(widget(label)); }

bool WindowUser::closeAbout() const
{
    ampora::ui::Form3* about = form_.aboutWindow();
    if (!about)
        return false;
    click(about->control<QLabel>(QStringLiteral("Label2")));
    flushDeletions();
    return true;
}

int WindowUser::aboutWindowCount()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += qobject_cast<ampora::ui::Form3*>(window) != nullptr;
    return count;
}

void WindowUser::quietPlatformNotices()
{
    if (!platformHandler)
        platformHandler = qInstallMessageHandler(dropPlatformNotices);
}

} // namespace session
