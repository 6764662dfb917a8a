#include "movements/entrydating.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

class TestEntryDating : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shouldDateEntryBySessionOpeningDay_data();
    void shouldDateEntryBySessionOpeningDay();
};

void TestEntryDating::shouldDateEntryBySessionOpeningDay_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDate>("opening"); // invalid: no session at all
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QString>("hora");
    QTest::addColumn<QDate>("datamovimento");

    const QDate d0(2026, 3, 5);
    const QDate next = d0.addDays(1);
    QTest::newRow("afternoon of the opening day keeps its time")
        << QDateTime(d0, QTime(14, 10, 0)) << d0 << d0 << u"14:10:00"_s << d0;
    QTest::newRow("23:45:05 is the last time kept")
        << QDateTime(d0, QTime(23, 45, 5)) << d0 << d0 << u"23:45:05"_s << d0;
    QTest::newRow("23:45:06 is late") << QDateTime(d0, QTime(23, 45, 6)) << d0 << d0 << u"23:46:00"_s << d0;
    QTest::newRow("23:50 is late on the opening day")
        << QDateTime(d0, QTime(23, 50, 0)) << d0 << d0 << u"23:46:00"_s << d0;
    QTest::newRow("after midnight belongs to the opening day")
        << QDateTime(next, QTime(0, 30, 0)) << d0 << d0 << u"23:46:00"_s << next;
    QTest::newRow("days after the opening")
        << QDateTime(d0.addDays(3), QTime(10, 0, 0)) << d0 << d0 << u"23:46:00"_s << d0.addDays(3);
    QTest::newRow("no session: dated now") << QDateTime(d0, QTime(23, 50, 0)) << QDate() << d0 << u"23:50:00"_s << d0;
}

void TestEntryDating::shouldDateEntryBySessionOpeningDay()
{
    QFETCH(QDateTime, now);
    QFETCH(QDate, opening);
    QFETCH(QDate, data);
    QFETCH(QString, hora);
    QFETCH(QDate, datamovimento);

    const EntryDate got = entryDate(now, opening.isValid() ? std::optional<QDate>(opening) : std::nullopt);

    QCOMPARE(got.data, data);
    QCOMPARE(got.hora, hora);
    QCOMPARE(got.datamovimento, datamovimento);
}

QTEST_GUILESS_MAIN(TestEntryDating)
#include "tst_entrydating.moc"
