#include "reports/periodreport.h"

#include "app/dbconnection.h"
#include "app/tdm.h"
#include "output/reportprinter.h"

#include "reportfixtures.h"
#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace reportfixtures;

namespace {

const QDateTime kNow(QDate(2026, 3, 5), QTime(14, 10));

struct Placement {
    int page = 0;
    int line = 0;
};

// Where a text first appears in the report.
Placement find(const TextReport& r, const QString& text)
{
    for (const PlacedText& t : r.texts())
        if (t.text == text)
            return {t.page, t.line};
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Placement)

class TestPeriodReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void shouldPrintThePeriodAsWorkedOut_data();
    void shouldPrintThePeriodAsWorkedOut();
    void shouldPlaceTheTotalsByThePageRule_data();
    void shouldPlaceTheTotalsByThePageRule();
    void shouldNeverPlaceALinePastThePageEnd();
    void shouldEditTheFirstBalanceRowOrAddOne();
    void shouldReadTheTypedPeriod_data();
    void shouldReadTheTypedPeriod();
    void shouldLeaveThePrinterClosedWhenTheDatabaseFails();

private:
    void load(const QString& sql) { QCOMPARE(m_db.execScript(path(sql)), QString()); }
    // n cash entries of 10,00 and m cash exits of 1,00 in March.
    void addRows(int entries, int exits);
    TextReport print(const Period& p, bool previous = true);

    TestDatabase m_db{u"periodreport"_s};
    FixedClock m_clock{kNow};
    RecordingMessageSink m_messages;
    std::unique_ptr<TDM> m_dm;
    RecordingOutput m_output;
};

void TestPeriodReport::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(prepare(m_db), QString());
    m_dm = makeDm(m_db, m_clock, m_messages);
    QVERIFY2(m_dm, qPrintable(m_messages.texts().join(u'\n')));
}

void TestPeriodReport::init()
{
    QCOMPARE(m_db.exec(u"DELETE FROM caixa"_s), QString());
    QCOMPARE(m_db.exec(u"DELETE FROM saldoinicial"_s), QString());
    m_output.previews.clear();
    m_output.prints.clear();
    m_messages.messages.clear();
}

void TestPeriodReport::addRows(int entries, int exits)
{
    QStringList values;
    for (int k = 1; k <= entries; ++k)
        values << u"('2026-03-02', 'E', 'DINHEIRO', 'DINHEIRO', 'VENDA %1', 10, 0, '%2')"_s.arg(k, 3, 10, QChar(u'0'))
                      .arg(k);
    for (int k = 1; k <= exits; ++k)
        values << u"('2026-03-03', 'S', 'DINHEIRO', 'DINHEIRO', 'DESPESA %1', 0, 1, '')"_s.arg(k, 3, 10, QChar(u'0'));
    if (values.isEmpty())
        return;
    QCOMPARE(m_db.exec(u"INSERT INTO caixa (Data, es, Condicao, especie, Descricao, Credito, Debito, CodigoNota) "
                       "VALUES "_s +
                       values.join(u", "_s)),
             QString());
}

TextReport TestPeriodReport::print(const Period& p, bool previous)
{
    ReportPrinter RD1;
    PeriodReport::configure(RD1);
    RD1.setOutput(&m_output);
    return PeriodReport(*m_dm).print(RD1, p, previous);
}

void TestPeriodReport::shouldPrintThePeriodAsWorkedOut_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("grandTotal");

    QTest::newRow("every kind in both spellings, closing block on the next page")
        << u"periodo-tipos.sql"_s << QDate(2026, 3, 2) << QDate(2026, 3, 4) << true << u"periodo-tipos.txt"_s
        << 2412.79;
    QTest::newRow("exits over entries, no previous balance")
        << u"periodo-saidas.sql"_s << QDate(2026, 3, 10) << QDate(2026, 3, 10) << false << u"periodo-saidas.txt"_s
        << -1280.50;
    QTest::newRow("three pages, subtotal moved to the next page")
        << u"periodo-paginas.sql"_s << QDate(2026, 3, 1) << QDate(2026, 3, 31) << true << u"periodo-paginas.txt"_s
        << 380.0;
    QTest::newRow("empty period") << u"periodo-vazio.sql"_s << QDate(2026, 4, 1) << QDate(2026, 4, 30) << true
                                  << u"periodo-vazio.txt"_s << 75.0;
}

void TestPeriodReport::shouldPrintThePeriodAsWorkedOut()
{
    QFETCH(QString, rows);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(bool, previous);
    QFETCH(QString, expected);
    QFETCH(double, grandTotal);

    // given the cash book of the fixture
    load(rows);

    // when the period is printed
    const TextReport page = print({start, end}, previous);

    // then the pages are the ones worked out by hand, shown in the preview
    QCOMPARE(lines(page), expectedLines(expected));
    QCOMPARE(m_output.previews.size(), 1);
    QCOMPARE(lines(m_output.previews.first()), lines(page));
    QCOMPARE(page.TamanhoQteLinhas, 50);
    QCOMPARE(page.TamanhoQteColunas, 95);
    QCOMPARE(page.title, u"Visualizar Relatório"_s);
    // and the grand total is the balance record
    QCOMPARE(m_db.scalar(u"SELECT COUNT(*) FROM saldoinicial"_s).toInt(), 1);
    QCOMPARE(m_db.scalar(u"SELECT data FROM saldoinicial"_s).toDate(), kNow.date());
    QCOMPARE(m_db.scalar(u"SELECT saldoinicial FROM saldoinicial"_s).toDouble(), 20.0);
    QVERIFY(qAbs(m_db.scalar(u"SELECT saldofinal FROM saldoinicial"_s).toDouble() - grandTotal) < 0.005);
}

void TestPeriodReport::shouldPlaceTheTotalsByThePageRule_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<Placement>("subtotal");
    QTest::addColumn<Placement>("totals");
    QTest::addColumn<bool>("totalsHeader");
    QTest::addColumn<int>("pages");

    // Entries fill lines 9 on; the subtotal comes two lines below the last one and the totals
    // two lines below the subtotal.
    QTest::newRow("totals fit under the listing") << 32 << Placement{1, 42} << Placement{1, 44} << false << 2;
    QTest::newRow("next free line 45: totals on a new page") << 33 << Placement{1, 43} << Placement{2, 9} << true << 2;
    QTest::newRow("listing ends with a page change") << 39 << Placement{1, 49} << Placement{2, 9} << true << 2;
    QTest::newRow("subtotal on line 50, page change") << 40 << Placement{1, 50} << Placement{2, 9} << true << 2;
    QTest::newRow("subtotal would fall on line 51") << 41 << Placement{2, 10} << Placement{2, 12} << false << 2;
    QTest::newRow("last row on line 50") << 42 << Placement{2, 10} << Placement{2, 12} << false << 2;
}

void TestPeriodReport::shouldPlaceTheTotalsByThePageRule()
{
    QFETCH(int, entries);
    QFETCH(Placement, subtotal);
    QFETCH(Placement, totals);
    QFETCH(bool, totalsHeader);
    QFETCH(int, pages);

    addRows(entries, 0);
    const TextReport r = print({QDate(2026, 3, 1), QDate(2026, 3, 31)});

    const Placement s = find(r, u"SUB-TOTAL:"_s);
    QCOMPARE(s.page, subtotal.page);
    QCOMPARE(s.line, subtotal.line);
    const Placement t = find(r, u"TOTAL ENTRADAS......:"_s);
    QCOMPARE(t.page, totals.page);
    QCOMPARE(t.line, totals.line);
    const QString caption = r.pageLines(totals.page).value(6);
    QCOMPARE(caption.startsWith(u"DATA        TIPO"_s), totalsHeader);
    QCOMPARE(r.pageCount(), pages);
}

void TestPeriodReport::shouldNeverPlaceALinePastThePageEnd()
{
    // Every length of listing, with one and two groups: each page carries its header and its
    // own number, and no text lies past line 50.
    for (int entries = 0; entries <= 95; ++entries) {
        for (int exits : {0, 3}) {
            QCOMPARE(m_db.exec(u"DELETE FROM caixa"_s), QString());
            addRows(entries, exits);
            const TextReport r = print({QDate(2026, 3, 1), QDate(2026, 3, 31)});
            const QString label = u"%1 entradas, %2 saídas"_s.arg(entries).arg(exits);
            for (const PlacedText& t : r.texts())
                QVERIFY2(t.line <= 50, qPrintable(label + u": linha %1 da página %2"_s.arg(t.line).arg(t.page)));
            for (int page = 1; page <= r.pageCount(); ++page)
                QVERIFY2(r.pageLines(page).value(1).endsWith(u"Página: %1"_s.arg(page, 6, 10, QChar(u'0'))),
                         qPrintable(label + u": página %1"_s.arg(page)));
            const QStringList all = lines(r);
            QCOMPARE(all.filter(QRegularExpression(u"^\\d\\d/03/2026 DINHEIRO"_s)).size(), entries + exits);
            QCOMPARE(all.filter(u"SUB-TOTAL:"_s).size(), (entries > 0) + (exits > 0));
            QCOMPARE(all.filter(u"TOTAL DO DIA........:"_s).size(), 1);
            QVERIFY(all.last().startsWith(u"====="_s));
        }
    }
}

void TestPeriodReport::shouldEditTheFirstBalanceRowOrAddOne()
{
    // given two balance rows
    QCOMPARE(m_db.exec(u"INSERT INTO saldoinicial (id, saldoinicial, data, saldofinal) VALUES "
                       "(4, 1, '2025-01-01', 11), (9, 2, '2025-02-01', 22)"_s),
             QString());
    load(u"periodo-saidas.sql"_s);

    // when a period is printed
    print({QDate(2026, 3, 10), QDate(2026, 3, 10)}, false);

    // then the first row holds today's grand total and the other one is untouched
    QCOMPARE(m_db.scalar(u"SELECT COUNT(*) FROM saldoinicial"_s).toInt(), 2);
    QCOMPARE(m_db.scalar(u"SELECT CONCAT(data, ' ', saldoinicial, ' ', saldofinal) FROM saldoinicial WHERE id = 4"_s)
                 .toString(),
             u"2026-03-05 20 -1280.5"_s);
    QCOMPARE(m_db.scalar(u"SELECT CONCAT(data, ' ', saldoinicial, ' ', saldofinal) FROM saldoinicial WHERE id = 9"_s)
                 .toString(),
             u"2025-02-01 2 22"_s);
}

void TestPeriodReport::shouldReadTheTypedPeriod_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("focusOnEnd");

    const QString blank = u"  /  /    "_s;
    QTest::newRow("both filled") << u"02/03/2026"_s << u"04/03/2026"_s << QString() << false;
    QTest::newRow("one day") << u"04/03/2026"_s << u"04/03/2026"_s << QString() << false;
    QTest::newRow("start empty") << blank << u"04/03/2026"_s << u"Selecione o período !"_s << false;
    QTest::newRow("end empty") << u"02/03/2026"_s << blank << u"Selecione o período !"_s << false;
    QTest::newRow("start half typed") << u"2 /3 /    "_s << u"04/03/2026"_s << u"Data inicial inválida !"_s << false;
    QTest::newRow("start not a day") << u"31/02/2026"_s << u"04/03/2026"_s << u"Data inicial inválida !"_s << false;
    QTest::newRow("end not a day") << u"02/03/2026"_s << u"32/03/2026"_s << u"Data final inválida !"_s << true;
    QTest::newRow("start after end") << u"05/03/2026"_s << u"04/03/2026"_s
                                     << u"A data inicial é maior que a data final !"_s << false;
}

void TestPeriodReport::shouldReadTheTypedPeriod()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    QFETCH(bool, focusOnEnd);

    const auto read = PeriodReport::readPeriod(start, end);
    if (message.isEmpty()) {
        QVERIFY(std::holds_alternative<Period>(read));
        QCOMPARE(std::get<Period>(read).start, QDate::fromString(start, u"dd/MM/yyyy"_s));
        QCOMPARE(std::get<Period>(read).end, QDate::fromString(end, u"dd/MM/yyyy"_s));
        return;
    }
    QVERIFY(std::holds_alternative<PeriodRefusal>(read));
    QCOMPARE(std::get<PeriodRefusal>(read).message, message);
    QCOMPARE(std::get<PeriodRefusal>(read).field == PeriodRefusal::Field::End, focusOnEnd);
}

void TestPeriodReport::shouldLeaveThePrinterClosedWhenTheDatabaseFails()
{
    // given a balance record that cannot be written
    load(u"periodo-saidas.sql"_s);
    QCOMPARE(m_db.exec(u"RENAME TABLE saldoinicial TO saldoinicial_fora"_s), QString());
    ReportPrinter RD1;
    PeriodReport::configure(RD1);
    RD1.setOutput(&m_output);

    // when the period is printed
    bool failed = false;
    try {
        PeriodReport(*m_dm).print(RD1, {QDate(2026, 3, 10), QDate(2026, 3, 10)}, true);
    } catch (const DbError&) {
        failed = true;
    }
    QCOMPARE(m_db.exec(u"RENAME TABLE saldoinicial_fora TO saldoinicial"_s), QString());

    // then nothing is shown and the printer is ready for the next try
    QVERIFY(failed);
    QVERIFY(!RD1.isOpen());
    QVERIFY(m_output.previews.isEmpty());
    print({QDate(2026, 3, 10), QDate(2026, 3, 10)}, false);
    QCOMPARE(lines(m_output.previews.value(0)), expectedLines(u"periodo-saidas.txt"_s));
}

QTEST_GUILESS_MAIN(TestPeriodReport)
#include "tst_periodreport.moc"
