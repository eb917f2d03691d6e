// The program's own start-up (as main.cpp does it), closed after the main window's first frame,
// with the steps on the way marked so the comparison can say where the time goes.
#include "bench/FirstFrame.h"
#include "ui/AppStyle.h"
#include "ui/Form1.h"
#include "ui/Resources.h"

#include <QApplication>

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
    new bench::FirstFrameWatch(&window);
    window.show();
    return QApplication::exec();
}
