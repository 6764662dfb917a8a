#include "app/brformat.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestBrFormat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shouldFormatWithMask_data();
    void shouldFormatWithMask();
    void shouldFormatDatesAndTimes();
    void shouldParseNumbers_data();
    void shouldParseNumbers();
    void shouldParseDates_data();
    void shouldParseDates();
};

void TestBrFormat::shouldFormatWithMask_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("money") << u"#,##0.00"_s << 1234.5 << u"1.234,50"_s;
    QTest::newRow("money millions") << u"#,##0.00"_s << 1234567.891 << u"1.234.567,89"_s;
    QTest::newRow("money zero") << u"#,##0.00"_s << 0.0 << u"0,00"_s;
    QTest::newRow("money negative") << u"#,##0.00"_s << -1500.0 << u"-1.500,00"_s;
    QTest::newRow("tiny negative is zero") << u"#,##0.00"_s << -0.001 << u"0,00"_s;
    QTest::newRow("half up") << u"0.00"_s << 2.675 << u"2,68"_s;
    QTest::newRow("half up negative") << u"0.00"_s << -2.675 << u"-2,68"_s;
    QTest::newRow("float sum") << u"0.00"_s << (0.1 + 0.2) << u"0,30"_s;
    QTest::newRow("rounding carries") << u"#,##0.00"_s << 999.995 << u"1.000,00"_s;
    QTest::newRow("wide mask") << u"###,##0.00"_s << 50.0 << u"50,00"_s;
    QTest::newRow("wide mask grouped") << u"###,##0.00"_s << 123456.0 << u"123.456,00"_s;
    QTest::newRow("short grouped") << u"##,##0.00"_s << 12345.678 << u"12.345,68"_s;
    QTest::newRow("no grouping") << u"0.00"_s << 1234.5 << u"1234,50"_s;
    QTest::newRow("##0.00") << u"##0.00"_s << 7.0 << u"7,00"_s;
    QTest::newRow("leading comma") << u",##0.00"_s << 98765.4 << u"98.765,40"_s;
    QTest::newRow("negative section") << u"0.00;-0.00"_s << -3.5 << u"-3,50"_s;
    QTest::newRow("negative section positive") << u"0.00;-0.00"_s << 3.5 << u"3,50"_s;
    QTest::newRow("parenthesised negative") << u"#,##0.00;(#,##0.00)"_s << -1234.0 << u"(1.234,00)"_s;
    QTest::newRow("zero section") << u"0.00;-0.00;zero"_s << 0.0 << u"zero"_s;
    QTest::newRow("counter") << u"000000"_s << 42.0 << u"000042"_s;
    QTest::newRow("integer hashes") << u"####"_s << 1234.0 << u"1234"_s;
    QTest::newRow("integer hashes zero") << u"####"_s << 0.0 << u""_s;
    QTest::newRow("integer hashes rounds") << u"###"_s << 12.5 << u"13"_s;
    QTest::newRow("optional decimals") << u"0.##"_s << 1.5 << u"1,5"_s;
    QTest::newRow("quoted prefix") << u"\"R$ \"#,##0.00"_s << 10.0 << u"R$ 10,00"_s;
    QTest::newRow("no integer digit") << u"#.00"_s << 0.5 << u",50"_s;
    QTest::newRow("large") << u"#,##0.00"_s << 98765432.1 << u"98.765.432,10"_s;
}

void TestBrFormat::shouldFormatWithMask()
{
    QFETCH(QString, mask);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(br::formatFloat(mask, value), expected);
}

void TestBrFormat::shouldFormatDatesAndTimes()
{
    QCOMPARE(br::date(QDate(2026, 3, 5)), u"05/03/2026"_s);
    QCOMPARE(br::time(QTime(7, 5, 9)), u"07:05:09"_s);
    QCOMPARE(br::dateTime(QDateTime(QDate(2026, 12, 31), QTime(23, 46))), u"31/12/2026 23:46:00"_s);
    QCOMPARE(br::money(50), u"50,00"_s);
    QVERIFY(br::date(QDate()).isEmpty());
}

void TestBrFormat::shouldParseNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");

    QTest::newRow("comma") << u"12,50"_s << true << 12.5 << 2;
    QTest::newRow("grouped") << u"1.234,56"_s << true << 1234.56 << 2;
    QTest::newRow("grouped no decimals") << u"1.234"_s << true << 1234.0 << 0;
    QTest::newRow("dot decimal") << u"12.50"_s << true << 12.5 << 2;
    QTest::newRow("integer") << u"100"_s << true << 100.0 << 0;
    QTest::newRow("three decimals") << u"12,505"_s << true << 12.505 << 3;
    QTest::newRow("negative") << u"-5,00"_s << true << -5.0 << 2;
    QTest::newRow("currency sign") << u"R$ 1.000,00"_s << true << 1000.0 << 2;
    QTest::newRow("spaces") << u"  7,5 "_s << true << 7.5 << 1;
    QTest::newRow("letters") << u"12a"_s << false << 0.0 << 0;
    QTest::newRow("empty") << u""_s << false << 0.0 << 0;
    QTest::newRow("two commas") << u"1,2,3"_s << false << 0.0 << 0;
    QTest::newRow("bad grouping") << u"1.23,45"_s << false << 0.0 << 0;
}

void TestBrFormat::shouldParseNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    QFETCH(int, decimals);
    const auto parsed = br::parseNumber(text);
    QCOMPARE(parsed.has_value(), ok);
    if (ok) {
        QCOMPARE(*parsed, value);
        QCOMPARE(br::typedDecimals(text), decimals);
    }
}

void TestBrFormat::shouldParseDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("full") << u"05/03/2026"_s << QDate(2026, 3, 5);
    QTest::newRow("short day") << u"5/3/2026"_s << QDate(2026, 3, 5);
    QTest::newRow("not a day") << u"31/02/2026"_s << QDate();
    QTest::newRow("iso") << u"2026-03-05"_s << QDate();
    QTest::newRow("empty") << u""_s << QDate();
}

void TestBrFormat::shouldParseDates()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(br::parseDate(text).value_or(QDate()), expected);
}

QTEST_GUILESS_MAIN(TestBrFormat)
#include "tst_brformat.moc"
