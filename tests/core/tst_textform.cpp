// The text form every slot and the estimate are written in.
#include "core/TextForm.h"

#include <QTest>

#include <clocale>
#include <cstdlib>

using ampora::formatNumber;
using ampora::parseNumber;

class TextFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void writesFifteenSignificantDigitsPlainly_data();
    void writesFifteenSignificantDigitsPlainly();
    void readsBackWhatItWrote_data();
    void readsBackWhatItWrote();
    void readsNonNumbersAsZero();
};

void TextFormTest::initTestCase()
{
    // The comma-decimal run of this test sets AMPORA_EXPECT_COMMA_LOCALE; make sure the
    // locale really took, or the run would prove nothing.
    std::setlocale(LC_ALL, "");
    if (std::getenv("AMPORA_EXPECT_COMMA_LOCALE"))
        QCOMPARE(std::localeconv()->decimal_point, ",");
}

void TextFormTest::writesFifteenSignificantDigitsPlainly_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero is a bare 0") << 0.0 << "0";
    QTest::newRow("negative zero is a bare 0") << -0.0 << "0";
    QTest::newRow("whole numbers have no point") << 243.0 << "243";
    QTest::newRow("a half keeps its leading zero") << 0.5 << "0.5";
    QTest::newRow("0.1 + 0.2 rounds to 0.3") << 0.1 + 0.2 << "0.3";
    QTest::newRow("a third keeps fifteen digits") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("two thirds round up") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("overclock fraction") << 22.5 * 33 / 100 << "7.425";
    QTest::newRow("22.5 stays 22.5") << 22.5 << "22.5";
    QTest::newRow("small values never use an exponent") << 0.00001 << "0.00001";
    QTest::newRow("tiny values keep their digits") << 1.5e-7 << "0.00000015";
    QTest::newRow("10^15 written in full") << 1e15 << "1000000000000000";
    QTest::newRow("10^20 written in full") << 1e20 << "100000000000000000000";
    QTest::newRow("digits past fifteen are rounded off")
        << 1234567890123456789.0 << "1234567890123460000";
    QTest::newRow("rounding carries into a new digit") << 9.9999999999999999 << "10";
    QTest::newRow("999.9999999999999 carries to 1000") << 999.99999999999999 << "1000";
    QTest::newRow("negative values keep their sign") << -31.2 << "-31.2";
    QTest::newRow("largest estimate of a full machine") << 3456.0 << "3456";
}

void TextFormTest::writesFifteenSignificantDigitsPlainly()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatNumber(value)), text);
}

void TextFormTest::readsBackWhatItWrote_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("7.425") << "7.425" << 7.425;
    QTest::newRow("7.5 is not read as 7") << "7.5" << 7.5;
    QTest::newRow("0.333333333333333") << "0.333333333333333" << 0.333333333333333;
    QTest::newRow("whole count") << "12" << 12.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("long whole number") << "100000000000000000000" << 1e20;
}

void TextFormTest::readsBackWhatItWrote()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(parseNumber(text.toStdString()), value);
    QCOMPARE(QString::fromStdString(formatNumber(parseNumber(text.toStdString()))), text);
}

void TextFormTest::readsNonNumbersAsZero()
{
    QCOMPARE(parseNumber(""), 0.0);
    QCOMPARE(parseNumber("7,5"), 0.0);
    QCOMPARE(parseNumber("处理器"), 0.0);
}

QTEST_APPLESS_MAIN(TextFormTest)
#include "tst_textform.moc"
