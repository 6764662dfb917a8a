#include "reports/paymentflow.h"

#include "app/dbconnection.h"
#include "app/tdm.h"
#include "output/reportprinter.h"

#include "reportfixtures.h"
#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace reportfixtures;

namespace {

const QDate kStart(2026, 3, 1);
const QDate kEnd(2026, 3, 31);

QString describe(const FlowRow& r)
{
    return u"%1|%2|%3|%4"_s.arg(r.data.toString(u"dd/MM"_s), r.descricao, r.especie, QString::number(r.total, 'f', 2));
}

} // namespace

class TestPaymentFlow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void shouldGroupByKindAsTheTypeBoxSays_data();
    void shouldGroupByKindAsTheTypeBoxSays();
    void shouldPrintTheRollAsWorkedOut_data();
    void shouldPrintTheRollAsWorkedOut();
    void shouldSumEachDayOfAllKindsWhenAsked();
    void shouldCopyTheListedLinesIntoResumo();
    void shouldReplaceTheLinesOfTheLastSearch();

private:
    TestDatabase m_db{u"paymentflow"_s};
    FixedClock m_clock{QDateTime(QDate(2026, 3, 5), QTime(14, 10))};
    RecordingMessageSink m_messages;
    std::unique_ptr<TDM> m_dm;
};

void TestPaymentFlow::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(prepare(m_db), QString());
    QCOMPARE(m_db.execScript(path(u"fluxo.sql"_s)), QString());
    m_dm = makeDm(m_db, m_clock, m_messages);
    QVERIFY2(m_dm, qPrintable(m_messages.texts().join(u'\n')));
}

void TestPaymentFlow::init()
{
    m_messages.messages.clear();
}

void TestPaymentFlow::shouldGroupByKindAsTheTypeBoxSays_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<bool>("byDescription");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("no kind: per description, change fund included")
        << QString() << true
        << QStringList{u"02/03|TROCO|AD.TROCO|100.00"_s,
                       u"02/03|VENDA A VISTA|DINHEIRO|75.50"_s,
                       u"03/03|REFORCO DE CAIXA PARA TROCO DO DIA|DINHEIRO|200.00"_s,
                       u"03/03|VENDA PIX|Pagamento Instântaneo (PIX) Estático|45.00"_s,
                       u"04/03|SANGRIA COFRE|SANGRIA|450.00"_s,
                       u"04/03|SANGRIA EXTRA|SANGRIA|20.00"_s,
                       u"04/03|VENDA CARTAO|CARTAO CREDITO|1234.56"_s,
                       u"05/03|PAGAMENTO FORNECEDOR DE AGUA|SANGRIA|80.00"_s,
                       u"05/03|VENDA BALCAO|Dinheiro|10.00"_s};
    QTest::newRow("SANGRIA: per description")
        << u"SANGRIA"_s << true
        << QStringList{u"04/03|SANGRIA COFRE|SANGRIA|450.00"_s, u"04/03|SANGRIA EXTRA|SANGRIA|20.00"_s,
                       u"05/03|PAGAMENTO FORNECEDOR DE AGUA|SANGRIA|80.00"_s};
    QTest::newRow("DINHEIRO: per day, both spellings")
        << u"DINHEIRO"_s << false
        << QStringList{u"02/03|VENDA A VISTA|DINHEIRO|75.50"_s,
                       u"03/03|REFORCO DE CAIXA PARA TROCO DO DIA|DINHEIRO|200.00"_s,
                       u"05/03|VENDA BALCAO|Dinheiro|10.00"_s};
    QTest::newRow("lower-case sangria matches but goes per day")
        << u"sangria"_s << false
        << QStringList{u"04/03|SANGRIA COFRE|SANGRIA|470.00"_s, u"05/03|PAGAMENTO FORNECEDOR DE AGUA|SANGRIA|80.00"_s};
    QTest::newRow("a kind with no row") << u"CHEQUE"_s << false << QStringList{};
}

void TestPaymentFlow::shouldGroupByKindAsTheTypeBoxSays()
{
    QFETCH(QString, tipo);
    QFETCH(bool, byDescription);
    QFETCH(QStringList, rows);

    QCOMPARE(PaymentFlow::groupingFor(tipo) == FlowGrouping::ByDescription, byDescription);
    const FlowResult r = PaymentFlow(*m_dm).search(kStart, kEnd, tipo);

    QStringList found;
    double sum = 0;
    for (const FlowRow& row : r.rows) {
        found << describe(row);
        sum += row.total;
    }
    QCOMPARE(found, rows);
    QCOMPARE(r.sum, sum);
}

void TestPaymentFlow::shouldPrintTheRollAsWorkedOut_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("expected");

    QTest::newRow("withdrawals per description, description cut at 25") << u"SANGRIA"_s << u"fluxo-sangria.txt"_s;
    QTest::newRow("cash per day") << u"DINHEIRO"_s << u"fluxo-dinheiro.txt"_s;
    QTest::newRow("every kind, kind cut at 15") << QString() << u"fluxo-todos.txt"_s;
    QTest::newRow("nothing matching: total 0,00") << u"CHEQUE"_s << u"fluxo-nada.txt"_s;
}

void TestPaymentFlow::shouldPrintTheRollAsWorkedOut()
{
    QFETCH(QString, tipo);
    QFETCH(QString, expected);

    // given a search of March
    PaymentFlow flow(*m_dm);
    const FlowResult found = flow.search(kStart, kEnd, tipo);
    ReportPrinter impressao1;
    PaymentFlow::configure(impressao1);
    RecordingOutput output;
    impressao1.setOutput(&output);

    // when it is printed
    const TextReport roll = flow.print(impressao1, found);

    // then the roll is the one worked out by hand, shown in the preview
    QCOMPARE(lines(roll), expectedLines(expected));
    QCOMPARE(output.previews.size(), 1);
    QCOMPARE(roll.TamanhoQteColunas, 58);
    QCOMPARE(roll.TamanhoQteLinhas, expectedLines(expected).size() + 14);
    QCOMPARE(roll.FonteTamanhoPadrao, FontPitch::S10cpp);
    QVERIFY(!impressao1.isOpen());
}

void TestPaymentFlow::shouldSumEachDayOfAllKindsWhenAsked()
{
    const FlowResult r = PaymentFlow(*m_dm).search(kStart, kEnd, QString(), FlowGrouping::ByDay);
    QStringList found;
    for (const FlowRow& row : r.rows)
        found << describe(row);
    QCOMPARE(found, (QStringList{u"02/03|TROCO|AD.TROCO|175.50"_s,
                                 u"03/03|REFORCO DE CAIXA PARA TROCO DO DIA|DINHEIRO|245.00"_s,
                                 u"04/03|SANGRIA COFRE|CARTAO CREDITO|1704.56"_s,
                                 u"05/03|PAGAMENTO FORNECEDOR DE AGUA|Dinheiro|90.00"_s}));
    QVERIFY(qAbs(r.sum - 2215.06) < 0.005);
}

void TestPaymentFlow::shouldCopyTheListedLinesIntoResumo()
{
    PaymentFlow(*m_dm).search(kStart, kEnd, QString());

    // resumo is this connection's own work table
    QSqlQuery q = m_dm->MyConnection1().query(
        u"teste"_s, u"select Datai, Descricao, especie, Valor from resumo order by Controle"_s);
    QStringList copied;
    while (q.next())
        copied << u"%1|%2|%3|%4"_s.arg(q.value(0).toDate().toString(u"dd/MM"_s), q.value(1).toString(),
                                       q.value(2).toString(), QString::number(q.value(3).toDouble(), 'f', 2));
    QCOMPARE(copied.size(), 9);
    QCOMPARE(copied.value(0), u"02/03|TROCO|AD.TROCO|100.00"_s);
    // kinds longer than the column are cut there
    QCOMPARE(copied.value(3), u"03/03|VENDA PIX|Pagamento Instântaneo (PIX) Estátic|45.00"_s);
    QCOMPARE(copied.value(8), u"05/03|VENDA BALCAO|Dinheiro|10.00"_s);
}

void TestPaymentFlow::shouldReplaceTheLinesOfTheLastSearch()
{
    PaymentFlow flow(*m_dm);
    flow.search(kStart, kEnd, QString());
    const FlowResult last = flow.search(kStart, kEnd, u"CHEQUE"_s);

    ReportPrinter impressao1;
    PaymentFlow::configure(impressao1);
    QCOMPARE(lines(flow.print(impressao1, last)), expectedLines(u"fluxo-nada.txt"_s));
}

QTEST_GUILESS_MAIN(TestPaymentFlow)
#include "tst_paymentflow.moc"
