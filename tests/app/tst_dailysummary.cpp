#include "app/dailysummary.h"
#include "app/tdm.h"

#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate kDay(2026, 3, 5);

// "especie|Credito|Debito|Tipo|Descricao|Condicao|CodigoFuncionario|troco|CodigoNota"
QString insertRow(const QString& db, const QString& spec, const QDate& day = kDay)
{
    QStringList f = spec.split(u'|');
    while (f.size() < 9)
        f << QString();
    const auto text = [](const QString& v) { return u"'"_s + QString(v).replace(u'\'', u"''"_s) + u"'"_s; };
    const auto number = [](const QString& v) { return v.isEmpty() ? u"0"_s : v; };
    return u"INSERT INTO `%1`.caixa (Data, especie, Credito, Debito, valor, Tipo, Descricao, Condicao, "
           "CodigoFuncionario, NomeFuncionario, troco, CodigoNota) VALUES ('%2', %3, %4, %5, %4 + %5, %6, %7, %8, %9, "
           "%10, %11, %12)"_s
               .arg(db, day.toString(Qt::ISODate), text(f[0]), number(f[1]), number(f[2]),
                    text(f[3].isEmpty() ? u"CREDITO"_s : f[3]), text(f[4]), text(f[5]))
               .arg(number(f[6]), text(u"VENDEDOR "_s + f[6]), number(f[7]), text(f[8]));
}

} // namespace

class TestDailySummary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void shouldClassifyTheDayByKindOfMoney_data();
    void shouldClassifyTheDayByKindOfMoney();
    void shouldReplaceTheStoredRowAndRefuseAnEarlierDay();
    void shouldCarryANoteThatIsNotANumberAsNull();
    void shouldFillTheItemAndReceiptWorkTables();

private:
    std::unique_ptr<TDM> makeDm();
    void add(const QString& spec, const QDate& day = kDay)
    {
        QCOMPARE(m_db.exec(insertRow(m_db.name(), spec, day)), QString());
    }
    int count(const QString& table)
    {
        return m_db.scalar(u"SELECT COUNT(*) FROM `%1`.%2"_s.arg(m_db.name(), table)).toInt();
    }

    TestDatabase m_db{u"dailysummary"_s};
    FixedClock m_clock{QDateTime(QDate(2026, 3, 6), QTime(9, 0))};
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestDailySummary::makeDm()
{
    AdminSettings s;
    s.local = s.loja = s.email = m_db.settings();
    auto dm = std::make_unique<TDM>(s, m_clock, m_messages);
    if (!dm->DataModuleCreate())
        qWarning() << m_messages.texts();
    return dm;
}

void TestDailySummary::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
}

void TestDailySummary::init()
{
    for (const char* t : {"caixa", "fechamentocaixa", "itenssaida"})
        QCOMPARE(m_db.exec(u"DELETE FROM `%1`.%2"_s.arg(m_db.name(), QString::fromLatin1(t))), QString());
}

void TestDailySummary::shouldClassifyTheDayByKindOfMoney_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<double>>(
        "expected"); // SALDOINICIAL, DINHEIRO_E, DINHEIRO_S, calcdinheiro, SALDOFINAL, CurrencyEdit1
    QTest::addColumn<QStringList>("grid"); // left grid: "code name total"

    const QStringList base = {u"AD.TROCO|100||||TROCO|5"_s, u"Dinheiro|50|||VENDA A VISTA|DINHEIRO|3||1001"_s};
    QTest::newRow("change fund and a cash sale")
        << base << QList<double>{100, 50, 0, 50, 150, 50} << QStringList{u"3 VENDEDOR 3 50"_s};
    QTest::newRow("withdrawal") << base + QStringList{u"SANGRIA||30|DEBITO|SANGRIA|SANGRIA|5"_s}
                                << QList<double>{100, 50, 30, 20, 120, 50} << QStringList{u"3 VENDEDOR 3 50"_s};
    QTest::newRow("salesperson 8 counts but is not listed")
        << base + QStringList{u"DINHEIRO|20|||VENDA A VISTA|DINHEIRO|8||1002"_s}
        << QList<double>{100, 70, 0, 70, 170, 70} << QStringList{u"3 VENDEDOR 3 50"_s};
    QTest::newRow("card without tilde only in other entries")
        << base + QStringList{u"Cartao de Credito|40|||VENDA|CARTAO|3||1003"_s}
        << QList<double>{100, 50, 0, 50, 150, 90} << QStringList{u"3 VENDEDOR 3 50"_s};
    QTest::newRow("instalment by credit card lowers the final balance")
        << base + QStringList{u"Recebimento Crediario Cartao Credito|25|||PARCELA||3"_s}
        << QList<double>{100, 50, 0, 50, 125, 50} << QStringList{u"3 VENDEDOR 3 50"_s};
    QTest::newRow("instalment by debit card raises it")
        << base + QStringList{u"Recebimento Crediario Cartao Debito|25|||PARCELA||3"_s}
        << QList<double>{100, 50, 0, 50, 175, 50} << QStringList{u"3 VENDEDOR 3 50"_s};
    QTest::newRow("change given and cash paid out")
        << base + QStringList{u"DINHEIRO||12|DEBITO|DESPESA|DINHEIRO|5"_s,
                              u"Dinheiro|10|||VENDA A VISTA|DINHEIRO|3|-4|1004"_s}
        << QList<double>{100, 60, 8, 52, 152, 60} << QStringList{u"3 VENDEDOR 3 60"_s};
    QTest::newRow("lower-case kind counted nowhere but other entries")
        << base + QStringList{u"dinheiro|10|||VENDA|DINHEIRO|3"_s} << QList<double>{100, 50, 0, 50, 150, 60}
        << QStringList{u"3 VENDEDOR 3 50"_s};
}

void TestDailySummary::shouldClassifyTheDayByKindOfMoney()
{
    QFETCH(QStringList, rows);
    QFETCH(QList<double>, expected);
    QFETCH(QStringList, grid);
    for (const QString& r : rows)
        add(r);
    add(u"DINHEIRO|999|||VENDA A VISTA|DINHEIRO|3||1999"_s, kDay.addDays(-1)); // another day

    auto dm = makeDm();
    const DailySummaryResult r = DailySummary(*dm).compute(kDay);

    QVERIFY(!r.refused);
    const QList<double> got = {r.row.SALDOINICIAL, r.row.DINHEIRO_E, r.row.DINHEIRO_S,
                               r.row.calcdinheiro, r.row.SALDOFINAL, r.vendaAVista};
    QCOMPARE(got, expected);
    QStringList lines;
    for (const auto& l : r.aVista)
        lines << u"%1 %2 %3"_s.arg(l.codigo).arg(l.funcionario).arg(l.total);
    QCOMPARE(lines, grid);
    // the stored row is the one shown
    const QString stored =
        m_db.scalar(u"SELECT CONCAT_WS('|', DATAFECHA, TERMINAL, CODFIL, SALDOINICIAL, DINHEIRO_E, "
                    "DINHEIRO_S, calcdinheiro, SALDOFINAL) FROM `%1`.fechamentocaixa"_s.arg(m_db.name()))
            .toString();
    QCOMPARE(stored, u"2026-03-05|1|1|%1|%2|%3|%4|%5"_s.arg(expected[0])
                         .arg(expected[1])
                         .arg(expected[2])
                         .arg(expected[3])
                         .arg(expected[4]));
}

void TestDailySummary::shouldReplaceTheStoredRowAndRefuseAnEarlierDay()
{
    add(u"AD.TROCO|100||||TROCO|5"_s);
    add(u"AD.TROCO|70||||TROCO|5"_s, kDay.addDays(-1));
    auto dm = makeDm();
    DailySummary summary(*dm);
    QVERIFY(!summary.compute(kDay).refused);
    QVERIFY(!summary.compute(kDay).refused);
    QCOMPARE(count(u"fechamentocaixa"_s), 1);

    const DailySummaryResult earlier = summary.compute(kDay.addDays(-1));
    QVERIFY(earlier.refused);
    QCOMPARE(count(u"fechamentocaixa"_s), 1);
    QCOMPARE(m_db.scalar(u"SELECT SALDOINICIAL FROM `%1`.fechamentocaixa"_s.arg(m_db.name())).toDouble(), 100.0);

    QVERIFY(!summary.compute(kDay.addDays(1)).refused);
    QCOMPARE(m_db.scalar(u"SELECT DATAFECHA FROM `%1`.fechamentocaixa"_s.arg(m_db.name())).toDate(), kDay.addDays(1));
}

void TestDailySummary::shouldCarryANoteThatIsNotANumberAsNull()
{
    add(u"Dinheiro|50|||VENDA A VISTA|DINHEIRO|3||"_s);
    add(u"Dinheiro|30|||VENDA A VISTA|DINHEIRO|3||NF-12"_s);
    add(u"CREDIARIO|80|||VENDA|Crediario|2||0042"_s);
    auto dm = makeDm();
    const DailySummaryResult r = DailySummary(*dm).compute(kDay);
    QVERIFY(!r.refused);
    QCOMPARE(r.aVista.size(), 1);
    QCOMPARE(r.aVista.first().total, 80.0);
    QCOMPARE(r.aPrazo.size(), 1);
    QCOMPARE(r.aPrazo.first().codigo, 2);
    QVariantList notes;
    QSqlQuery q = dm->MyConnection1().query(u"t"_s, u"select codigonota from receberfunctemp order by id"_s);
    while (q.next())
        notes << q.value(0);
    QCOMPARE(notes.size(), 2);
    QVERIFY(notes.at(0).isNull() && notes.at(1).isNull());
    QCOMPARE(dm->MyConnection1().scalar(u"t"_s, u"select codigonota from receberfunctempprazo"_s).toDouble(), 42.0);
    QCOMPARE(dm->MyConnection1().scalar(u"t"_s, u"select max(data) from receberfunctemp"_s).toDate(), m_clock.today());
}

void TestDailySummary::shouldFillTheItemAndReceiptWorkTables()
{
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.itenssaida (Codigonota, Data, Produto, Qt, Preco, CodigoFuncionario) VALUES "
                       "(1, '2026-03-05', 'CAMISETA', 1, 49.9, 3), (2, '2026-03-05', 'MEIA', 2, 9.9, 8), "
                       "(3, '2026-03-04', 'CINTO', 1, 79.9, 3)"_s.arg(m_db.name())),
             QString());
    add(u"Recebimento Crediario Dinheiro|85|||MARIA||1"_s);
    add(u"Recebimento Crediario Cheque|40|||JOSE||2"_s);
    add(u"RECEBIMENTO CREDIARIO DINHEIRO|10|||OUTRO||2"_s);
    auto dm = makeDm();
    const DailySummaryResult r = DailySummary(*dm).compute(kDay);
    QCOMPARE(r.recebidoDinheiro, 85.0);
    QCOMPARE(r.recebidoCheque, 40.0);
    DbConnection& db = dm->MyConnection1();
    QCOMPARE(db.scalar(u"t"_s, u"select group_concat(Produto) from itenssaidatemp"_s).toString(), u"CAMISETA"_s);
    QCOMPARE(db.scalar(u"t"_s, u"select group_concat(Nome order by Nome) from recebercaixatemp"_s).toString(),
             u"JOSE,MARIA"_s);
}

QTEST_GUILESS_MAIN(TestDailySummary)
#include "tst_dailysummary.moc"
