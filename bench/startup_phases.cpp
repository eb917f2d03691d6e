// The program's own start-up (as main.cpp does it), closed after the main window's first frame,
// with the steps on the way marked so the comparison can say where the time goes. With
// --open-selector it then opens the processor selector as a user's first click would, a moment
// (200 ms) later, and marks when it was asked to and when its list has been painted.
#include "bench/PaintTiming.h"
#include "ui/AppStyle.h"
#include "ui/FirstFrame.h"
#include "ui/Form1.h"
#include "ui/Resources.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTimer>

int main(int argc, char* argv[])
{
    bench::markPhase("main");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ampora"));
    QApplication::setOrganizationName(QStringLiteral("Kestrune"));
    ampora::ui::installAppStyle();
    bench::markPhase("application");
    // The window would do this itself; done first, the fonts and art get a phase of their own.
    ampora::ui::initResources();
    bench::markPhase("fonts-and-art");
    ampora::ui::Form1 window;
    bench::markPhase("window-built");
    window.show();
    bench::markPhase("shown");
    // The first frame is the build-time picture's where the program carries one for this scale,
    // else the window's own.
    QWidget* firstPainted = window.findChild<ampora::ui::FirstFrame*>();
    if (!firstPainted)
        firstPainted = &window;
    auto* selector = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    const bool openSelector = app.arguments().contains(QStringLiteral("--open-selector"));
    new bench::PaintWatch(firstPainted, &window, [selector, openSelector] {
        if (!openSelector)
            return bench::reportFirstFrameAndQuit();
        bench::markFirstFrame();
        QTimer::singleShot(200, selector, [selector] {
            bench::markPhase("selector-click");
            selector->showPopup();
            auto* list = selector->view()->viewport();
            new bench::PaintWatch(list, list, [] {
                bench::markPhase("selector-open");
                QCoreApplication::quit();
            });
        });
    });
    return QApplication::exec();
}
