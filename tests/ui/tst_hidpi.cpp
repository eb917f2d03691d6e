// The main window on high-density screens (run with QT_SCALE_FACTOR set): it keeps its logical
// layout, its art is drawn from the vectors at device resolution rather than blown up from a
// bitmap, and no text is cut off.
#include "tests/ui/FormDriver.h"
#include "tests/ui/TextInk.h"
#include "ui/AppStyle.h"
#include "ui/ArtWidget.h"
#include "ui/MainWindowLayout.h"

#include <QPainter>
#include <QSvgRenderer>

#include <memory>

using ampora::ui::ArtWidget;
using ampora::ui::Form1;

namespace {

// Draws the window's art over a region as the art files themselves say, at the given ratio.
QImage renderArt(const Form1& form, const QRect& region, qreal ratio)
{
    QImage image(region.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ArtWidget* art : form.findChildren<ArtWidget*>()) {
        if (!art->isVisibleTo(&form) || !art->geometry().intersects(region))
            continue;
        QSvgRenderer svg(art->resource());
        painter.save();
        painter.translate(art->pos() - region.topLeft());
        svg.render(&painter, QRectF(QPointF(), svg.viewBoxF().size()));
        painter.restore();
    }
    return image;
}

// Mean difference per colour channel, 0 to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y), q = right.pixel(x, y);
            sum +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * left.width() * left.height());
}

} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { form_.reset(); }

    void grabIsAtDeviceResolution();
    void layoutStaysLogical();
    void artIsDrawnAtDeviceResolution_data();
    void artIsDrawnAtDeviceResolution();
    void noTextIsCutOff();

private:
    qreal ratio_ = 1;
    std::unique_ptr<Form1> form_;
};

void HiDpiTest::initTestCase()
{
    ampora::ui::installAppStyle();
    ratio_ = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    qInfo("device pixel ratio %g", ratio_);
}

void HiDpiTest::init()
{
    form_ = std::make_unique<Form1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void HiDpiTest::grabIsAtDeviceResolution()
{
    static const QHash<QString, QSize> deviceSizes{
        {"1", {425, 544}}, {"1.5", {638, 816}}, {"2", {850, 1088}}};
    const QString factor = QString::number(ratio_);
    QVERIFY2(deviceSizes.contains(factor), qPrintable("no expected size at ratio " + factor));

    const QPixmap shot = form_->grab();
    QCOMPARE(shot.devicePixelRatio(), ratio_);
    QCOMPARE(shot.size(), deviceSizes.value(factor));
    QCOMPARE(shot.deviceIndependentSize().toSize(), QSize(425, 544));
}

void HiDpiTest::layoutStaysLogical()
{
    QCOMPARE(form_->devicePixelRatio(), ratio_);
    QCOMPARE(form_->size(), QSize(425, 544));
    for (const auto& spec : ampora::ui::mainWindowControls()) {
        const QWidget* control = form_->control<QWidget>(QString::fromUtf8(spec.name));
        QCOMPARE(control->geometry(), ampora::ui::pixelRect(spec));
    }
}

void HiDpiTest::artIsDrawnAtDeviceResolution_data()
{
    QTest::addColumn<QString>("picture");
    QTest::newRow("processor icon") << "Image3";
    QTest::newRow("usb icon") << "Image7";
    QTest::newRow("firewire icon") << "Image8";
    QTest::newRow("case fan icon") << "Image16";
    QTest::newRow("hard disk icon") << "Image20";
    QTest::newRow("overclock icon") << "Image1";
}

void HiDpiTest::artIsDrawnAtDeviceResolution()
{
    if (ratio_ == 1)
        QSKIP("needs a device pixel ratio above 1: run with QT_SCALE_FACTOR=2 or 1.5");
    QFETCH(QString, picture);
    const QRect region = form_->control<QWidget>(picture)->geometry();
    const QImage shot = form_->grab(region).toImage();

    const QImage crisp = renderArt(*form_, region, ratio_);
    const QImage blownUp =
        renderArt(*form_, region, 1)
            .scaled(crisp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(shot.size(), crisp.size());
    const double toCrisp = meanDifference(shot, crisp);
    const double toBlownUp = meanDifference(shot, blownUp);
    QVERIFY2(toCrisp < 1.0 && toBlownUp > 4 * toCrisp + 1.0,
             qPrintable(QString("differs by %1 from the art at %2x and by %3 from the 1x art "
                                "enlarged")
                            .arg(toCrisp)
                            .arg(ratio_)
                            .arg(toBlownUp)));
}

void HiDpiTest::noTextIsCutOff()
{
    QStringList cut;
    for (const QLabel* label : form_->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        if (const QString outside = inkOutsideBox(label, ratio_); !outside.isEmpty())
            cut << label->objectName() + " \"" + label->text() + "\": " + outside;
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
}

QTEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
