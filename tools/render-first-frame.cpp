// Build-time helper: draws the main window in its start state, at the screen scale QT_SCALE_FACTOR
// gives (1 if unset), in the picture format of ui/FirstFramePicture.h, for the program's first
// frame (ui/FirstFrame.h).
//   QT_SCALE_FACTOR=SCALE render-first-frame OUTPUT
#include "ui/AppStyle.h"
#include "ui/FirstFrame.h"
#include "ui/FirstFramePicture.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen"); // drawing needs no display
    QApplication app(argc, argv);
    ampora::ui::installAppStyle();
    ampora::ui::Form1 window;
    window.show();
    // As the window's backing store holds it on a screen of that scale: whole device pixels.
    const qreal scale = window.devicePixelRatioF();
    // Under the one name the program looks for at that scale.
    const QString name = ampora::ui::FirstFrame::resourceFor(scale).mid(2);
    if (QFileInfo(QString::fromLocal8Bit(argv[1])).fileName() != name) {
        std::fprintf(stderr, "%s: the program looks for the picture at this scale as %s\n", argv[1],
                     qPrintable(name));
        return 2;
    }
    QImage picture(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    window.render(&picture);
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(ampora::ui::encodeFirstFrame(picture)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
