#include "app/adminsettings.h"
#include "app/inifile.h"
#include "app/tdm.h"
#include "reports/annualmovement.h"
#include "reports/annualtable.h"

#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

class TestAnnualTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void shouldReadOneLinePerKindThatAddsUp();
    void shouldSumEachColumnInTheSummary();
    void shouldAddEveryColumnOfRowsWithTheSameDescription();
    void shouldReadAnEmptyResultAsNoLineAndZeroSums();
    void shouldTitleThePeriod();
    void shouldWriteTheTableColumnsToCsv();
    void shouldQuoteCsvFieldsThatNeedIt();
    void shouldWriteAnXmlSpreadsheetWithNumbers();
    void shouldReportAFileThatCannotBeWritten();

private:
    AnnualTableData fixtureYear()
    {
        AnnualMovement(*m_dm).compute(QDate(2025, 1, 1), QDate(2025, 12, 31));
        AnnualTableData data = AnnualTable(*m_dm).read();
        data.title = AnnualTable::titleLine(QDate(2025, 1, 1), QDate(2025, 12, 31));
        return data;
    }
    void exec(const QString& sql) { m_dm->MyConnection1().query(u"teste"_s, sql); }
    static qint64 cents(double v) { return qRound64(v * 100); }

    TestDatabase m_db{u"annualtable"_s};
    FixedClock m_clock{QDateTime(QDate(2025, 8, 15), QTime(10, 0))};
    RecordingMessageSink m_messages;
    std::unique_ptr<TDM> m_dm;
};

void TestAnnualTable::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    QCOMPARE(m_db.execScript(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/caixa-anual.sql")), QString());
}

void TestAnnualTable::init()
{
    AdminSettings s = AdminSettings::read(IniFile::fromBytes("[GERAL]\nENVIAEMAIL=N\n"));
    s.local = s.loja = s.email = m_db.settings();
    m_dm = std::make_unique<TDM>(s, m_clock, m_messages);
    QVERIFY(m_dm->DataModuleCreate());
}

void TestAnnualTable::cleanup()
{
    m_dm.reset();
}

void TestAnnualTable::shouldReadOneLinePerKindThatAddsUp()
{
    const AnnualTableData data = fixtureYear();

    QCOMPARE(data.storeName, u"CALÇADOS BOA VISTA"_s);
    QStringList names;
    QList<qint64> totals;
    for (const AnnualLine& line : data.lines) {
        names << line.descricao;
        totals << cents(line.totalgeral);
        qint64 months = 0;
        for (double v : line.months)
            months += cents(v);
        QVERIFY2(months == cents(line.totalgeral), qPrintable(line.descricao));
    }
    // ordered by description as the server compares it (no case, no accents)
    QCOMPARE(names, (QStringList{u"CARTAO CREDITO"_s, u"Cartão de Credito"_s, u"CARTAO DEBITO"_s, u"CHEQUE"_s,
                                 u"DINHEIRO"_s, u"PIX"_s, u"SANGRIA"_s}));
    QCOMPARE(totals, (QList<qint64>{30000, 13000, 4525, 6000, 48000, 20000, 10000}));
    // the kinds without a code stand at 0
    QCOMPARE(data.lines[1].codigocliente, 0.0);
    QCOMPARE(data.lines[6].codigocliente, 7.0);
    QCOMPARE(cents(data.lines[6].months[2]), 10000); // SANGRIA 100,00 in March
}

void TestAnnualTable::shouldSumEachColumnInTheSummary()
{
    const AnnualTableData data = fixtureYear();

    QList<qint64> sums;
    for (double v : data.monthSums)
        sums << cents(v);
    QCOMPARE(sums, (QList<qint64>{20000, 20000, 30000, 13000, 0, 34525, 0, 0, 0, 0, 6000, 8000}));
    QCOMPARE(cents(data.totalSum), 131525);
    qint64 bySums = 0;
    for (qint64 s : sums)
        bySums += s;
    QCOMPARE(bySums, cents(data.totalSum));
}

void TestAnnualTable::shouldAddEveryColumnOfRowsWithTheSameDescription()
{
    // given two rows of the result with the same description
    exec(u"delete from resumoanualcaixa"_s);
    exec(u"insert into resumoanualcaixa (descricao, codigocliente, total01, total02, total03) values "
         "('PIX', 6, 10, 5, 0), ('PIX', NULL, 1, 0, 2)"_s);

    const AnnualTableData data = AnnualTable(*m_dm).read();

    // then one line whose months add up to its total
    QCOMPARE(data.lines.size(), 1);
    const AnnualLine& line = data.lines.first();
    QCOMPARE(line.months[0], 11.0);
    QCOMPARE(line.months[1], 5.0);
    QCOMPARE(line.months[2], 2.0);
    QCOMPARE(line.totalgeral, 18.0);
    QCOMPARE(line.codigocliente, 6.0);
}

void TestAnnualTable::shouldReadAnEmptyResultAsNoLineAndZeroSums()
{
    AnnualMovement(*m_dm).compute(QDate(2023, 1, 1), QDate(2023, 12, 31));

    const AnnualTableData data = AnnualTable(*m_dm).read();

    QVERIFY(data.lines.isEmpty());
    for (double v : data.monthSums)
        QCOMPARE(v, 0.0);
    QCOMPARE(data.totalSum, 0.0);
    const QStringList csv = AnnualTable::toCsv(data).split(u"\r\n"_s);
    QCOMPARE(csv.size(), 3); // header, summary, and the end of the last line
    QCOMPARE(csv[1], u"Total R$;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00"_s);
}

void TestAnnualTable::shouldTitleThePeriod()
{
    QCOMPARE(AnnualTable::titleLine(QDate(2025, 1, 1), QDate(2025, 12, 31)),
             u"Relatório de Movimentação Anual no Período: 01/01/2025 à 31/12/2025"_s);
}

void TestAnnualTable::shouldWriteTheTableColumnsToCsv()
{
    const AnnualTableData data = fixtureYear();
    QTemporaryDir dir;
    const QString file = dir.filePath(u"anual.csv"_s);

    QCOMPARE(AnnualTable::writeCsv(data, file), QString());

    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF")); // UTF-8 that spreadsheets recognise
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(u"\r\n"_s);
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[0], u"Tipo de Pagamentos;Janeiro;Fevereiro;Março;Abril;Maio;Junho;Julho;Agosto;Setembro;"
                       "Outubro;Novembro;Dezembro;Total R$"_s);
    QCOMPARE(lines[5], u"DINHEIRO;200,00;0,00;200,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;80,00;480,00"_s);
    QCOMPARE(lines[7], u"SANGRIA;0,00;0,00;100,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;100,00"_s);
    QCOMPARE(lines[8], u"Total R$;200,00;200,00;300,00;130,00;0,00;345,25;0,00;0,00;0,00;0,00;60,00;80,00;1315,25"_s);
    QCOMPARE(lines[9], QString());
    for (int i = 0; i < 9; ++i)
        QCOMPARE(lines[i].split(u';').size(), 14);
}

void TestAnnualTable::shouldQuoteCsvFieldsThatNeedIt()
{
    AnnualTableData data;
    AnnualLine line;
    line.descricao = u"VALE; \"TROCA\""_s;
    line.months[0] = -12.5;
    line.totalgeral = -12.5;
    data.lines << line;

    const QStringList lines = AnnualTable::toCsv(data).split(u"\r\n"_s);

    QVERIFY(lines[1].startsWith(u"\"VALE; \"\"TROCA\"\"\";-12,50;0,00;"_s));
}

void TestAnnualTable::shouldWriteAnXmlSpreadsheetWithNumbers()
{
    const AnnualTableData data = fixtureYear();

    QXmlStreamReader xml(AnnualTable::toXmlSpreadsheet(data));
    int rows = 0, numbers = 0;
    QStringList firstCells;
    bool inRow = false;
    QString firstCell;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"Row"_s) {
            ++rows;
            inRow = true;
            firstCell.clear();
        } else if (xml.isStartElement() && xml.name() == u"Data"_s) {
            const QString type = xml.attributes().value(u"ss:Type"_s).toString();
            const QString text = xml.readElementText();
            if (type == u"Number"_s)
                ++numbers;
            if (inRow && firstCell.isEmpty()) {
                firstCell = text;
                firstCells << text;
            }
        } else if (xml.isEndElement() && xml.name() == u"Row"_s) {
            inRow = false;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(rows, 2 + 1 + 7 + 1); // store, title, headings, lines, summary
    QCOMPARE(numbers, (7 + 1) * 13);
    QCOMPARE(firstCells.first(), u"CALÇADOS BOA VISTA"_s);
    QCOMPARE(firstCells.last(), u"Total R$"_s);
}

void TestAnnualTable::shouldReportAFileThatCannotBeWritten()
{
    const QString file = u"/nao/existe/anual.csv"_s;
    QCOMPARE(AnnualTable::writeCsv(AnnualTableData(), file), u"Erro na abertura do arquivo...\n\nArquivo: "_s + file);
    QVERIFY(!QFile::exists(file));
}

QTEST_GUILESS_MAIN(TestAnnualTable)
#include "tst_annualtable.moc"
