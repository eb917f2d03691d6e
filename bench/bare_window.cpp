// The yardstick for start-up: a bare Qt window of the main window's size and style, shown and
// closed after its first frame; with --stay it stays open, as the program does, to be watched
// from outside.
#include "bench/PaintTiming.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.resize(425, 544);
    window.setWindowFlag(Qt::FramelessWindowHint);
    if (!app.arguments().contains(QStringLiteral("--stay")))
        new bench::PaintWatch(&window, &window, bench::reportFirstFrameAndQuit);
    window.show();
    return QApplication::exec();
}
