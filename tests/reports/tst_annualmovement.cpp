#include "app/adminsettings.h"
#include "app/inifile.h"
#include "app/tdm.h"
#include "reports/annualmovement.h"

#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace Qt::StringLiterals;

using Months = QList<double>;
Q_DECLARE_METATYPE(Months)

class TestAnnualMovement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void shouldSumTheFixtureYear();
    void shouldGiveEachKindItsTwelveMonths_data();
    void shouldGiveEachKindItsTwelveMonths();
    void shouldCopyEveryCashRowOfThePeriodIntoResumo();
    void shouldWriteNothingForAPeriodWithoutRows();
    void shouldAddTheSameMonthOfTwoYearsIntoOneColumn();
    void shouldGiveAKindWrittenInAnotherCaseTheCodeOfItsKind();
    void shouldKeepAKindLongerThanTheWorkColumn();
    void shouldCountRowsWithoutAKindWithTheKindsWithoutCode();
    void shouldRefuseAPeriodThatCannotBeSummed_data();
    void shouldRefuseAPeriodThatCannotBeSummed();

private:
    QList<QSqlRecord> rows(const QString& sql);
    QString addCaixa(const QString& date, const QString& especie, double valor)
    {
        return m_db.exec(u"INSERT INTO `%1`.caixa (Data, especie, Tipo, es, Credito, valor) VALUES "
                         "('%2', '%3', 'CREDITO', 'E', %4, %4)"_s.arg(m_db.name(), date, especie)
                             .arg(valor));
    }

    TestDatabase m_db{u"annualmovement"_s};
    FixedClock m_clock{QDateTime(QDate(2025, 8, 15), QTime(10, 0))};
    RecordingMessageSink m_messages;
    std::unique_ptr<TDM> m_dm;
};

void TestAnnualMovement::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    QCOMPARE(m_db.execScript(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/caixa-anual.sql")), QString());
}

void TestAnnualMovement::init()
{
    AdminSettings s = AdminSettings::read(IniFile::fromBytes("[GERAL]\nENVIAEMAIL=N\n"));
    s.local = s.loja = s.email = m_db.settings();
    m_dm = std::make_unique<TDM>(s, m_clock, m_messages);
    QVERIFY(m_dm->DataModuleCreate());
}

void TestAnnualMovement::cleanup()
{
    m_dm.reset();
    m_messages.messages.clear();
}

// The work tables belong to the data module's connection: read them through it.
QList<QSqlRecord> TestAnnualMovement::rows(const QString& sql)
{
    QList<QSqlRecord> out;
    QSqlQuery q = m_dm->MyConnection1().query(u"teste"_s, sql);
    while (q.next())
        out << q.record();
    return out;
}

void TestAnnualMovement::shouldSumTheFixtureYear()
{
    // given the fixture year (tests/data/reports/caixa-anual.sql)
    // when the year is summed
    const AnnualMovementResult r = AnnualMovement(*m_dm).compute(QDate(2025, 1, 1), QDate(2025, 12, 31));

    // then exits count like entries, the change fund and the rows outside are left out
    QCOMPARE(r.rows, 13);
    QCOMPARE(qRound(r.total * 100), 131525);
    // one row per kind code, the kinds without a code together
    QCOMPARE(rows(u"select * from resumoanualcaixa"_s).size(), 7);
    QCOMPARE(rows(u"select * from resumoanual"_s).size(), 10);
    QVERIFY(m_messages.messages.isEmpty());
}

void TestAnnualMovement::shouldGiveEachKindItsTwelveMonths_data()
{
    QTest::addColumn<int>("code"); // -1: no code
    QTest::addColumn<QString>("descricao");
    QTest::addColumn<Months>("months");

    QTest::newRow("cash over three months, start and end dates included")
        << 5 << u"DINHEIRO"_s << Months{200, 0, 200, 0, 0, 0, 0, 0, 0, 0, 0, 80};
    QTest::newRow("PIX rows of one month added") << 6 << u"PIX"_s << Months{0, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("withdrawals added, not subtracted")
        << 7 << u"SANGRIA"_s << Months{0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("credit card") << 2 << u"CARTAO CREDITO"_s << Months{0, 0, 0, 0, 0, 300, 0, 0, 0, 0, 0, 0};
    QTest::newRow("debit card") << 3 << u"CARTAO DEBITO"_s << Months{0, 0, 0, 0, 0, 45.25, 0, 0, 0, 0, 0, 0};
    QTest::newRow("cheque") << 4 << u"CHEQUE"_s << Months{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 60, 0};
    QTest::newRow("kinds without a code in one row, labelled with one of them")
        << -1 << u"Cartão de Credito"_s << Months{0, 0, 0, 130, 0, 0, 0, 0, 0, 0, 0, 0};
}

void TestAnnualMovement::shouldGiveEachKindItsTwelveMonths()
{
    QFETCH(int, code);
    QFETCH(QString, descricao);
    QFETCH(Months, months);

    AnnualMovement(*m_dm).compute(QDate(2025, 1, 1), QDate(2025, 12, 31));

    const auto found = rows(u"select * from resumoanualcaixa where ifnull(codigocliente, -1) = %1"_s.arg(code));
    QCOMPARE(found.size(), 1);
    const QSqlRecord& row = found.first();
    QCOMPARE(row.value(u"descricao"_s).toString(), descricao);
    QCOMPARE(row.value(u"codigocliente"_s).isNull(), code == -1);
    for (int m = 0; m < 12; ++m)
        QVERIFY2(qRound(row.value(u"total%1"_s.arg(m + 1, 2, 10, QChar(u'0'))).toDouble() * 100) ==
                     qRound(months[m] * 100),
                 qPrintable(u"mês %1"_s.arg(m + 1)));
}

void TestAnnualMovement::shouldCopyEveryCashRowOfThePeriodIntoResumo()
{
    AnnualMovement(*m_dm).compute(QDate(2025, 1, 1), QDate(2025, 12, 31));

    const auto copied = rows(u"select * from resumo order by Controle"_s);
    QCOMPARE(copied.size(), 13);
    // in date order, with the branch, the month and year, and the kind code
    const QSqlRecord& first = copied.first();
    QCOMPARE(first.value(u"Data"_s).toDate(), QDate(2025, 1, 1));
    QCOMPARE(first.value(u"CodigoNota"_s).toString(), u"901"_s);
    QCOMPARE(first.value(u"mes"_s).toString(), u"01"_s);
    QCOMPARE(first.value(u"ano"_s).toString(), u"2025"_s);
    QCOMPARE(first.value(u"Descricao"_s).toString(), u"DINHEIRO"_s);
    QCOMPARE(first.value(u"especie"_s).toString(), u"DINHEIRO"_s);
    QCOMPARE(first.value(u"CodigoCliente"_s).toInt(), 5);
    QCOMPARE(first.value(u"Credito"_s).toDouble(), 150.0);
    QCOMPARE(first.value(u"tabela"_s).toString(), u"PAGAMENTOS NO PERIODO"_s);
    QCOMPARE(first.value(u"codigoFilial"_s).toInt(), 3);
    QCOMPARE(first.value(u"filial"_s).toString(), u"Filial Centro"_s);
    QCOMPARE(copied.last().value(u"Data"_s).toDate(), QDate(2025, 12, 31));
    // a withdrawal is copied with its amount as an entry
    const auto sangria = rows(u"select Credito from resumo where especie = 'SANGRIA' order by Data"_s);
    QCOMPARE(sangria.size(), 2);
    QCOMPARE(sangria[0].value(0).toDouble(), 60.0);
    QCOMPARE(sangria[1].value(0).toDouble(), 40.0);
    // no code outside the code table
    QVERIFY(rows(u"select CodigoCliente from resumo where especie = 'CREDIARIO'"_s).first().value(0).isNull());
}

void TestAnnualMovement::shouldWriteNothingForAPeriodWithoutRows()
{
    // given the result of an earlier computation
    AnnualMovement(*m_dm).compute(QDate(2025, 1, 1), QDate(2025, 12, 31));

    // when a period without cash rows is summed
    const AnnualMovementResult r = AnnualMovement(*m_dm).compute(QDate(2023, 1, 1), QDate(2023, 12, 31));

    // then the work tables are empty: no row without values, no zero line
    QCOMPARE(r.rows, 0);
    QCOMPARE(r.total, 0.0);
    for (const char* table : {"resumo", "resumoanual", "resumoanualcaixa"})
        QVERIFY2(rows(u"select * from %1"_s.arg(QString::fromLatin1(table))).isEmpty(), table);
}

void TestAnnualMovement::shouldAddTheSameMonthOfTwoYearsIntoOneColumn()
{
    // 31/12/2025 80,00 and 15/12/2026 20,00 in December; 01/01/2026 888,00 in January
    const AnnualMovementResult r = AnnualMovement(*m_dm).compute(QDate(2025, 12, 1), QDate(2026, 12, 31));

    QCOMPARE(qRound(r.total * 100), 98800);
    const auto cash = rows(u"select * from resumoanualcaixa"_s);
    QCOMPARE(cash.size(), 1);
    QCOMPARE(cash.first().value(u"total12"_s).toDouble(), 100.0);
    QCOMPARE(cash.first().value(u"total01"_s).toDouble(), 888.0);
}

void TestAnnualMovement::shouldGiveAKindWrittenInAnotherCaseTheCodeOfItsKind()
{
    // given cash written by this program and by the sales program in June 2024
    QCOMPARE(addCaixa(u"2024-06-10"_s, u"DINHEIRO"_s, 10), QString());
    QCOMPARE(addCaixa(u"2024-06-11"_s, u"Dinheiro"_s, 5), QString());

    AnnualMovement(*m_dm).compute(QDate(2024, 6, 1), QDate(2024, 6, 30));

    // then they are one kind, with the cash code, summed
    const auto cash = rows(u"select * from resumoanualcaixa"_s);
    QCOMPARE(cash.size(), 1);
    QCOMPARE(cash.first().value(u"codigocliente"_s).toInt(), 5);
    QCOMPARE(cash.first().value(u"descricao"_s).toString().toUpper(), u"DINHEIRO"_s);
    QCOMPARE(cash.first().value(u"total06"_s).toDouble(), 15.0);
}

void TestAnnualMovement::shouldKeepAKindLongerThanTheWorkColumn()
{
    // "Pagamento Instântaneo (PIX) Estático" has 36 characters; resumo.especie holds 35
    const QString pix = u"Pagamento Instântaneo (PIX) Estático"_s;
    QCOMPARE(addCaixa(u"2024-07-05"_s, pix, 12.34), QString());

    const AnnualMovementResult r = AnnualMovement(*m_dm).compute(QDate(2024, 7, 1), QDate(2024, 7, 31));

    QCOMPARE(r.rows, 1);
    const auto row = rows(u"select * from resumoanualcaixa"_s);
    QCOMPARE(row.size(), 1);
    QCOMPARE(row.first().value(u"descricao"_s).toString(), pix);
    QVERIFY(row.first().value(u"codigocliente"_s).isNull());
    QCOMPARE(row.first().value(u"total07"_s).toDouble(), 12.34);
}

void TestAnnualMovement::shouldCountRowsWithoutAKindWithTheKindsWithoutCode()
{
    // given rows of August 2024 without a kind, empty or null, beside a kind without code
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.caixa (Data, especie, Tipo, es, Credito, valor) VALUES "
                       "('2024-08-03', NULL, 'CREDITO', 'E', 1, 1), ('2024-08-04', '', 'CREDITO', 'E', 2, 2), "
                       "('2024-08-05', 'CREDIARIO', 'CREDITO', 'E', 4, 4)"_s.arg(m_db.name())),
             QString());

    const AnnualMovementResult r = AnnualMovement(*m_dm).compute(QDate(2024, 8, 1), QDate(2024, 8, 31));

    // then their money is in the period and in the line of the kinds without code, which
    // carries the description that is not empty
    QCOMPARE(r.rows, 3);
    QCOMPARE(r.total, 7.0);
    const auto row = rows(u"select * from resumoanualcaixa"_s);
    QCOMPARE(row.size(), 1);
    QCOMPARE(row.first().value(u"descricao"_s).toString(), u"CREDIARIO"_s);
    QCOMPARE(row.first().value(u"total08"_s).toDouble(), 7.0);
}

void TestAnnualMovement::shouldRefuseAPeriodThatCannotBeSummed_data()
{
    QTest::addColumn<QDate>("dataI");
    QTest::addColumn<QDate>("dataF");
    QTest::addColumn<QString>("message");
    QTest::newRow("end before start") << QDate(2025, 12, 31) << QDate(2025, 1, 1)
                                      << u"A Data Inicial não pode ser maior que a Data Final !!!"_s;
    QTest::newRow("no start") << QDate() << QDate(2025, 1, 1) << u"Informe a Data Inicial e a Data Final !!!"_s;
    QTest::newRow("one day") << QDate(2025, 3, 10) << QDate(2025, 3, 10) << QString();
}

void TestAnnualMovement::shouldRefuseAPeriodThatCannotBeSummed()
{
    QFETCH(QDate, dataI);
    QFETCH(QDate, dataF);
    QFETCH(QString, message);
    QCOMPARE(AnnualMovement::validate(dataI, dataF).value_or(QString()), message);
}

QTEST_GUILESS_MAIN(TestAnnualMovement)
#include "tst_annualmovement.moc"
