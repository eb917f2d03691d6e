// Renders the README screenshots from the real windows: the start state, a configured machine
// with overclocking on, and the About window. Usage: ampora-screenshots OUTPUT_DIR
#include "ui/AppStyle.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace {

void choose(ampora::ui::Form1& form, const char* selector, const char* item)
{
    auto* combo = form.findChild<QComboBox*>(QString::fromUtf8(selector));
    combo->setCurrentIndex(combo->findText(QString::fromUtf8(item)));
}

void tick(ampora::ui::Form1& form, const char* box)
{
    form.findChild<QCheckBox*>(QString::fromUtf8(box))->setChecked(true);
}

void save(QWidget& window, const QString& path)
{
    QTest::qWait(200);
    window.grab().save(path);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ampora::ui::installAppStyle();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    ampora::ui::Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    save(form, out.filePath(QStringLiteral("main-window.png")));

    choose(form, "Combo1", "Athlon 64 X2 Toledo");
    choose(form, "Combo2", "1");
    choose(form, "Combo5", "DDR2 SDRAM");
    choose(form, "Combo4", "4");
    choose(form, "Combo6", "GeForce 7800 GTX");
    choose(form, "Combo7", "2");
    choose(form, "Combo11", "DVDRW");
    choose(form, "Combo8", "CD-ROM");
    choose(form, "Combo9", "4");
    choose(form, "Combo10", "2");
    choose(form, "Combo3", "2");
    for (const char* box : {"Check2", "Check3", "Check4", "Check6", "Check10"})
        tick(form, box);
    choose(form, "Combo15", "3");
    choose(form, "Combooc", "20");
    choose(form, "Combo120", "10");
    choose(form, "Combo170", "15");
    save(form, out.filePath(QStringLiteral("configured-overclocked.png")));

    QTest::mouseClick(form.findChild<QLabel*>(QStringLiteral("labelf4if")), Qt::LeftButton);
    QWidget* about = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("Form3"))
            about = window;
    if (!about || !QTest::qWaitForWindowExposed(about))
        return 1;
    save(*about, out.filePath(QStringLiteral("about-window.png")));
    return 0;
}
