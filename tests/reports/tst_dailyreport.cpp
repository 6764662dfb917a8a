#include "app/inifile.h"
#include "app/tdm.h"
#include "output/reportoutput.h"
#include "output/ui/tfrmpreview.h"
#include "reports/dailyreport.h"
#include "reports/ui/trptfechamentoperiodocaixa01.h"

#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate kDay(2026, 3, 5);

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing " + path.toUtf8() + ">");
}

class RecordingOutput final : public ReportOutput {
public:
    void preview(const TextReport& r) override { previews << r.toText(); }
    void print(const TextReport&) override {}
    QStringList previews;
};

} // namespace

class TestDailyReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void shouldPrintTheDayAsWorkedOutByHand_data();
    void shouldPrintTheDayAsWorkedOutByHand();
    void shouldPrintEveryReportAsWorkedOutByHand_data();
    void shouldPrintEveryReportAsWorkedOutByHand();
    void shouldStartEachSectionWhereTheLastEnded_data();
    void shouldStartEachSectionWhereTheLastEnded();
    void shouldPrintNothingForAnUnknownForm();
    void shouldAskForAShift();
    void shouldTakeANightShiftIntoTheNextDay();
    void shouldWarnOfPendingFiscalDocumentsAndStillPrint();
    void shouldResolveOneTextPath_data();
    void shouldResolveOneTextPath();
    void shouldPrintFromTheWindow();
    void shouldWriteTheSameTextFromTheCommandLine();
    void shouldAskBeforeTheSummarizedReport();
    void shouldBoundShiftReportsByTheShiftWindow();

private:
    std::unique_ptr<TDM> makeDm(const QByteArray& geral, const QByteArray& local = {});

    TestDatabase m_db{u"dailyreport"_s};
    QTemporaryDir m_dir;
    FixedClock m_clock{QDateTime(QDate(2026, 3, 6), QTime(9, 15))};
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestDailyReport::makeDm(const QByteArray& geral, const QByteArray& local)
{
    // The first value of a key is the one read: the test's own settings come before the defaults.
    const QByteArray ini = "[GERAL]\n" + geral +
                           "RELATORIOPRODUTOSVENDIDOS=N\nRELATORIOPRODUTOGRUPO=N\nRELATORIOVENDASVENDEDOR=N\n"
                           "ENTRADAPRODUTOS=N\nRELATORIORECEBERENTRADADIA=N\nRELATORIORECEBERNODIA=N\nTEMPCAIXA=" +
                           m_dir.path().toUtf8() + "\n[LOCAL]\n" + local;
    AdminSettings s = AdminSettings::read(IniFile::fromBytes(ini));
    s.local = s.loja = s.email = m_db.settings();
    auto dm = std::make_unique<TDM>(s, m_clock, m_messages);
    if (!dm->DataModuleCreate())
        qWarning() << m_messages.texts();
    dm->setLoggedUser(u"GERENTE"_s);
    return dm;
}

void TestDailyReport::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    QCOMPARE(m_db.exec(u"USE `%1`"_s.arg(m_db.name())), QString());
    QCOMPARE(m_db.execScript(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/dia_fixture.sql")), QString());
    QCOMPARE(m_db.execScript(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/dia_secoes.sql")), QString());
}

void TestDailyReport::init()
{
    m_messages.messages.clear();
    m_messages.questions.clear();
    m_messages.answers.clear();
    QFile::remove(DailyResultsReport::textPath(m_dir.path()));
    QCOMPARE(m_db.exec(u"DELETE FROM `%1`.numeronfce"_s.arg(m_db.name())), QString());
}

void TestDailyReport::shouldPrintTheDayAsWorkedOutByHand_data()
{
    QTest::addColumn<QByteArray>("form");
    QTest::newRow("N") << QByteArray("N");
    QTest::newRow("A") << QByteArray("A");
    QTest::newRow("F") << QByteArray("F");
}

void TestDailyReport::shouldPrintTheDayAsWorkedOutByHand()
{
    QFETCH(QByteArray, form);
    auto dm = makeDm({}, "FILTRORELATORIOFISCAL=" + form + "\n");
    ReportPrinter printer;
    printer.setMessageSink(&m_messages);
    DailyResultsReport report(*dm, printer);
    QList<std::pair<QDate, bool>> revealed;
    report.setOnPrinted([&](const QDate& d, bool b) { revealed.append({d, b}); });

    const DailyReportResult result = report.detailedGeneral(kDay, u"TARDE"_s);

    QVERIFY(result.printed);
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(result.textFile, DailyResultsReport::textPath(m_dir.path()));
    const QByteArray expected = readFile(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/diario_") +
                                         QString::fromLatin1(form) + u".txt"_s);
    const QByteArray actual = readFile(result.textFile);
    if (actual != expected) {
        const auto a = actual.split('\n');
        const auto e = expected.split('\n');
        for (int i = 0; i < std::max(a.size(), e.size()); ++i)
            if (a.value(i) != e.value(i))
                qWarning().noquote() << "line" << i + 1 << "\n  got      " << a.value(i) << "\n  expected "
                                     << e.value(i);
    }
    QCOMPARE(actual, expected);
    QCOMPARE(revealed, (QList<std::pair<QDate, bool>>{{kDay, true}}));
}

namespace {

using Run = DailyReportResult (DailyResultsReport::*)(const QDate&, const QString&);

void compareLines(const QByteArray& actual, const QByteArray& expected)
{
    if (actual == expected)
        return;
    const auto a = actual.split('\n');
    const auto e = expected.split('\n');
    for (int i = 0; i < std::max(a.size(), e.size()); ++i)
        if (a.value(i) != e.value(i))
            qWarning().noquote() << "line" << i + 1 << "\n  got      " << a.value(i) << "\n  expected " << e.value(i);
}

} // namespace

void TestDailyReport::shouldPrintEveryReportAsWorkedOutByHand_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("local");
    QTest::addColumn<QByteArray>("geral");
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("afterDetailedShift");

    const QByteArray on = "RELATORIOPRODUTOSVENDIDOS=S\nRELATORIOPRODUTOGRUPO=S\nRELATORIOVENDASVENDEDOR=S\n"
                          "ENTRADAPRODUTOS=S\nRELATORIORECEBERENTRADADIA=S\nRELATORIORECEBERNODIA=S\n";
    QTest::newRow("sections N") << u"secoes_N"_s << QByteArray("FILTRORELATORIOFISCAL=N\n") << on << u"detalhado"_s
                                << false;
    QTest::newRow("sections A") << u"secoes_A"_s << QByteArray("FILTRORELATORIOFISCAL=A\n") << on << u"detalhado"_s
                                << false;
    QTest::newRow("sections F") << u"secoes_F"_s << QByteArray("FILTRORELATORIOFISCAL=F\n") << on << u"detalhado"_s
                                << false;
    QTest::newRow("summarized") << u"resumido"_s << QByteArray("FILTRORELATORIOFISCAL=N\n") << on << u"resumido"_s
                                << false;
    QTest::newRow("shift detailed") << u"turno_detalhado"_s << QByteArray("FILTRORELATORIOFISCAL=A\n") << on
                                    << u"turno-detalhado"_s << false;
    QTest::newRow("shift summarized") << u"turno_resumido"_s << QByteArray("FILTRORELATORIOFISCAL=A\n") << on
                                      << u"turno-resumido"_s << false;
    QByteArray m = on;
    m.replace("RELATORIOPRODUTOGRUPO=S", "RELATORIOPRODUTOGRUPO=M");
    QTest::newRow("shift summarized with groups")
        << u"turno_resumido_M"_s << QByteArray("FILTRORELATORIOFISCAL=A\n") << m << u"turno-resumido"_s << true;
}

void TestDailyReport::shouldPrintEveryReportAsWorkedOutByHand()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, local);
    QFETCH(QByteArray, geral);
    QFETCH(QString, report);
    QFETCH(bool, afterDetailedShift);
    auto dm = makeDm(geral, local);
    ReportPrinter printer;
    printer.setMessageSink(&m_messages);
    DailyResultsReport daily(*dm, printer);
    if (afterDetailedShift)
        QVERIFY(daily.detailedShift(kDay, u"TARDE"_s).printed);
    const Run run = report == u"resumido"_s          ? &DailyResultsReport::summarizedGeneral
                    : report == u"turno-detalhado"_s ? &DailyResultsReport::detailedShift
                    : report == u"turno-resumido"_s  ? &DailyResultsReport::summarizedShift
                                                     : &DailyResultsReport::detailedGeneral;
    const DailyReportResult result = (daily.*run)(kDay, u"TARDE"_s);
    QVERIFY(result.printed);
    QCOMPARE(m_messages.texts(), QStringList());
    if (report == u"resumido"_s)
        QCOMPARE(result.report.TamanhoQteLinhas, 56);
    const QByteArray actual = readFile(result.textFile);
    const QByteArray expected = readFile(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/") + file + u".txt"_s);
    compareLines(actual, expected);
    QCOMPARE(actual, expected);
}

void TestDailyReport::shouldStartEachSectionWhereTheLastEnded_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("titles"); // "line title", as found in the report
    // Form "N" of the fixture: the sections start at line 57.
    QTest::newRow("sellers alone") << QByteArray("RELATORIOVENDASVENDEDOR=S\n")
                                   << QStringList{u"58 Relatorio Totalizador de Vendas Por Vendedor"_s};
    QTest::newRow("groups need products") << QByteArray("RELATORIOPRODUTOGRUPO=S\nENTRADAPRODUTOS=S\n")
                                          << QStringList{u"58 Relatorio Geral de Entrada Produtos"_s};
    QTest::newRow("entries after sellers") << QByteArray("RELATORIOVENDASVENDEDOR=S\nENTRADAPRODUTOS=S\n")
                                           << QStringList{u"58 Relatorio Totalizador de Vendas Por Vendedor"_s,
                                                          u"66 Relatorio Geral de Entrada Produtos"_s};
    QTest::newRow("received crediario without rows before it")
        << QByteArray("RELATORIORECEBERENTRADADIA=S\nRELATORIORECEBERNODIA=S\n")
        << QStringList{u"58 Relatorio de Entrada de Crediario no Dia/Truno"_s,
                       u"69 Relatorio de Recebimento de Crediario no Dia/Truno"_s};
}

void TestDailyReport::shouldStartEachSectionWhereTheLastEnded()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, titles);
    auto dm = makeDm(settings, "FILTRORELATORIOFISCAL=N\n");
    ReportPrinter printer;
    DailyResultsReport daily(*dm, printer);
    const DailyReportResult result = daily.detailedGeneral(kDay, u"TARDE"_s);
    QStringList found;
    const QStringList lines = result.report.pageLines(1);
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(u"Relatorio"_s) || lines[i].startsWith(u"Totais"_s))
            found << QString::number(i + 1) + u' ' + lines[i];
    QCOMPARE(found, titles);
}

void TestDailyReport::shouldPrintNothingForAnUnknownForm()
{
    auto dm = makeDm({}, "FILTRORELATORIOFISCAL=X\n");
    dm->MyConnection1().exec(u"t"_s, u"insert into caixalojatmp (codigonota) values ('old')"_s);
    ReportPrinter printer;
    DailyResultsReport report(*dm, printer);
    const DailyReportResult result = report.detailedGeneral(kDay, u"TARDE"_s);
    QVERIFY(!result.printed);
    QVERIFY(!QFile::exists(DailyResultsReport::textPath(m_dir.path())));
    QCOMPARE(dm->MyConnection1().scalar(u"t"_s, u"select count(*) from caixalojatmp"_s).toInt(), 0);
}

void TestDailyReport::shouldAskForAShift()
{
    auto dm = makeDm({});
    ReportPrinter printer;
    DailyResultsReport report(*dm, printer);
    QVERIFY(!report.detailedGeneral(kDay, QString()).printed);
    QCOMPARE(m_messages.texts(), QStringList{u"Turmo Não foi Selecionado, Por Favor Selecione !!!"_s});
    QVERIFY(!QFile::exists(DailyResultsReport::textPath(m_dir.path())));
}

void TestDailyReport::shouldTakeANightShiftIntoTheNextDay()
{
    auto dm = makeDm({});
    ReportPrinter printer;
    DailyResultsReport report(*dm, printer);
    const ShiftWindow w = report.shiftWindow(kDay, u"NOITE"_s);
    QCOMPARE(w.controle, 3);
    QCOMPARE(w.start, u"2026-03-05 22:00"_s);
    QCOMPARE(w.end, u"2026-03-06 06:00"_s);

    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.caixa (Controle, Data, Hora, especie, es, Tipo, Credito, NFCancelada) VALUES "
                       "(101, '2026-03-05', '21:59:59', 'DINHEIRO', 'E', 'CREDITO', 1, 'N'), "
                       "(102, '2026-03-05', '22:00:00', 'DINHEIRO', 'E', 'CREDITO', 2, 'N'), "
                       "(103, '2026-03-06', '05:59:00', 'DINHEIRO', 'E', 'CREDITO', 4, 'N'), "
                       "(104, '2026-03-06', '06:01:00', 'DINHEIRO', 'E', 'CREDITO', 8, 'N')"_s.arg(m_db.name())),
             QString());
    const QList<CashRow> rows =
        report.readCash(u"t"_s, DailyResultsReport::SqlCashN, {{u":Datai"_s, w.start}, {u":Dataf"_s, w.end}});
    QCOMPARE(m_db.exec(u"DELETE FROM `%1`.caixa WHERE Controle > 100"_s.arg(m_db.name())), QString());
    QList<int> taken;
    for (const CashRow& r : rows)
        taken << r.controle;
    QCOMPARE(taken, (QList<int>{102, 103}));
}

void TestDailyReport::shouldWarnOfPendingFiscalDocumentsAndStillPrint()
{
    QCOMPARE(
        m_db.exec(u"INSERT INTO `%1`.numeronfce (data, hora, codigonota, serie, num_nfce, chave, valor, protocolo) "
                  "VALUES ('2026-03-05', '13:15:00', '1001', 1, 501, 'CHAVE', 50, NULL)"_s.arg(m_db.name())),
        QString());
    const QString path = DailyResultsReport::textPath(m_dir.path());
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    auto dm = makeDm({});
    ReportPrinter printer;
    DailyResultsReport report(*dm, printer);
    QVERIFY(report.detailedGeneral(kDay, u"TARDE"_s).printed);
    QCOMPARE(m_messages.texts(),
             QStringList{u"Existe alguma Pendência nas Notas ou Cupons Fiscais.\n"
                         "Verifique no Modulo Fiscal / Pendências, depois retorne para este Modulo.\n"
                         "Se for Necessário, Ligue para Quilate Sistemas !!!"_s});
    QCOMPARE(m_messages.messages.first().title, u"Quilate Sistemas, Atenção !!!"_s);
    QVERIFY(readFile(path).startsWith("LOJA TESTE - Caixa Diario"));
}

void TestDailyReport::shouldResolveOneTextPath_data()
{
    QTest::addColumn<QString>("tempcaixa");
    QTest::addColumn<QString>("expected");
    const QString base = QDir::tempPath();
    QTest::newRow("default is the base") << u"C:\\temp"_s << base + u"/relatoriocaixa.txt"_s;
    QTest::newRow("empty is the base") << QString() << base + u"/relatoriocaixa.txt"_s;
    QTest::newRow("below the default") << u"C:\\temp\\caixa"_s << base + u"/caixa/relatoriocaixa.txt"_s;
    QTest::newRow("relative") << u"relatorios"_s << base + u"/relatorios/relatoriocaixa.txt"_s;
    QTest::newRow("absolute") << u"/srv/caixa/"_s << u"/srv/caixa/relatoriocaixa.txt"_s;
    QTest::newRow("other drive") << u"D:\\caixa"_s << base + u"/caixa/relatoriocaixa.txt"_s;
}

void TestDailyReport::shouldResolveOneTextPath()
{
    QFETCH(QString, tempcaixa);
    QFETCH(QString, expected);
    QCOMPARE(DailyResultsReport::textPath(tempcaixa), QDir::cleanPath(expected));
}

void TestDailyReport::shouldPrintFromTheWindow()
{
    auto dm = makeDm("CAIXATURNO=N\n");
    TRptFechamentoPeriodoCaixa01 w(*dm);
    RecordingOutput output;
    w.printer().setOutput(&output);
    QList<QDate> revealed;
    w.setOnPrinted([&](const QDate& d, bool) { revealed << d; });
    QVERIFY(!w.findChild<QPushButton*>(u"BitBtn4"_s)->isEnabled());
    QVERIFY(!w.findChild<QPushButton*>(u"BitBtn5"_s)->isEnabled());
    auto* turno = w.findChild<QComboBox*>(u"LookupEdit1"_s);
    QCOMPARE(turno->currentText(), QString());
    QVERIFY(turno->findText(u"TARDE"_s) > 0);

    w.findChild<QDateEdit*>(u"DTI"_s)->setDate(kDay);
    turno->setCurrentText(u"TARDE"_s);
    w.findChild<QPushButton*>(u"BitBtn1"_s)->click();

    QCOMPARE(output.previews.size(), 1);
    QCOMPARE(output.previews.first().toUtf8(), readFile(DailyResultsReport::textPath(m_dir.path())));
    QCOMPARE(revealed, QList<QDate>{kDay});
    QCOMPARE(w.result(), int(QDialog::Accepted));

    const QString docs = qEnvironmentVariable("CAIXA_DOCS_DIR");
    if (!docs.isEmpty()) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.grab().save(QDir(docs).filePath(u"resultados-do-caixa.png"_s));
        TFrmPreview preview(w.printer().report(), 100);
        preview.resize(760, 900);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        preview.grab().save(QDir(docs).filePath(u"relatorio-do-caixa.png"_s));
    }
}

void TestDailyReport::shouldWriteTheSameTextFromTheCommandLine()
{
    const ConnectionSettings c = m_db.settings();
    const QByteArray connection = "SERVIDOR=" + c.SERVIDOR.toUtf8() + "\nPORTA=" + QByteArray::number(c.PORTA) +
                                  "\nBANCO=" + c.BANCO.toUtf8() + "\nUSUARIO=" + c.USUARIO.toUtf8() +
                                  "\nSENHA=" + c.SENHA.toUtf8() + "\n";
    const QString ini = m_dir.filePath(u"Admin.ini"_s);
    {
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[LOCAL]\n" + connection + "FILTRORELATORIOFISCAL=N\n[LOJA]\n" + connection + "[EMAIL]\n" + connection +
                "[GERAL]\nRELATORIOPRODUTOSVENDIDOS=N\nRELATORIOVENDASVENDEDOR=N\nENTRADAPRODUTOS=N\n"
                "RELATORIORECEBERENTRADADIA=N\nRELATORIORECEBERNODIA=N\nTEMPCAIXA=" +
                m_dir.path().toUtf8() + "\n");
    }
    const QString out = m_dir.filePath(u"copia.txt"_s);
    QProcess tool;
    tool.start(QCoreApplication::applicationDirPath() + u"/../bin/caixa-relatorio"_s,
               {u"diario"_s, u"--data"_s, u"2026-03-05"_s, u"--turno"_s, u"TARDE"_s, u"--ini"_s, ini, u"--saida"_s, out,
                u"--usuario"_s, u"GERENTE"_s});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()).trimmed(), u"Relatório gravado em "_s + out);
    // the same text as the window's, but for the printing time of the second line
    QList<QByteArray> got = readFile(out).split('\n');
    QList<QByteArray> expected =
        readFile(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/diario_N.txt")).split('\n');
    QCOMPARE(got.size(), expected.size());
    QVERIFY(got[1].startsWith("Data:") && got[1].endsWith("-Movimento:05/03/2026\r"));
    got.removeAt(1);
    expected.removeAt(1);
    QCOMPARE(got, expected);

    // the summarized report needs no answer from the command line
    tool.start(QCoreApplication::applicationDirPath() + u"/../bin/caixa-relatorio"_s,
               {u"diario"_s, u"--data"_s, u"2026-03-05"_s, u"--turno"_s, u"TARDE"_s, u"--ini"_s, ini, u"--saida"_s, out,
                u"--usuario"_s, u"GERENTE"_s, u"--tipo"_s, u"resumido"_s});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);
    got = readFile(out).split('\n');
    expected = readFile(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/resumido.txt")).split('\n');
    got.removeAt(1);
    expected.removeAt(1);
    QCOMPARE(got, expected);

    tool.start(QCoreApplication::applicationDirPath() + u"/../bin/caixa-relatorio"_s,
               {u"diario"_s, u"--data"_s, u"05/03/2026"_s, u"--turno"_s, u"TARDE"_s, u"--ini"_s, ini});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 2);
    QVERIFY(QString::fromUtf8(tool.readAllStandardError()).contains(u"Data inválida"_s));
}

void TestDailyReport::shouldAskBeforeTheSummarizedReport()
{
    auto dm = makeDm({});
    TRptFechamentoPeriodoCaixa01 w(*dm);
    RecordingOutput output;
    w.printer().setOutput(&output);
    QList<std::pair<QDate, bool>> revealed;
    w.setOnPrinted([&](const QDate& d, bool b) { revealed.append({d, b}); });
    w.findChild<QDateEdit*>(u"DTI"_s)->setDate(kDay);
    w.findChild<QComboBox*>(u"LookupEdit1"_s)->setCurrentText(u"TARDE"_s);

    m_messages.answers = {false};
    w.findChild<QPushButton*>(u"btn1"_s)->click();
    QCOMPARE(m_messages.questions,
             QStringList{u"Atenção|Deseja Imprimir o Relatorio Resumido para o Caixa Interno?"_s});
    QVERIFY(output.previews.isEmpty());

    m_messages.answers = {true};
    w.findChild<QPushButton*>(u"btn1"_s)->click();
    QCOMPARE(output.previews.size(), 1);
    // the summarized report leaves the main window's button alone
    QCOMPARE(revealed, (QList<std::pair<QDate, bool>>{{kDay, false}}));
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

void TestDailyReport::shouldBoundShiftReportsByTheShiftWindow()
{
    // a sale of the next day within the shift's hours, and a shift with a name of its own
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.caixa (Controle, Data, Hora, CodigoNota, especie, es, Tipo, Credito, "
                       "NFCancelada, Turno, Descricao) VALUES (201, '2026-03-06', '14:00:00', '2001', 'DINHEIRO', 'E', "
                       "'CREDITO', 777, 'N', '2', 'AMANHA')"_s.arg(m_db.name())),
             QString());
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.turno (controle, descricao, horaabertura, horafechamento) VALUES "
                       "(9, 'EXTRA', '13:00', '19:00')"_s.arg(m_db.name())),
             QString());
    auto dm = makeDm({}, "FILTRORELATORIOFISCAL=A\n");
    ReportPrinter printer;
    DailyResultsReport daily(*dm, printer);
    const DailyReportResult tarde = daily.detailedShift(kDay, u"TARDE"_s);
    const DailyReportResult extra = daily.detailedShift(kDay, u"EXTRA"_s);
    QCOMPARE(m_db.exec(u"DELETE FROM `%1`.caixa WHERE Controle = 201"_s.arg(m_db.name())), QString());
    QCOMPARE(m_db.exec(u"DELETE FROM `%1`.turno WHERE controle = 9"_s.arg(m_db.name())), QString());

    QVERIFY(tarde.printed);
    QVERIFY(!tarde.report.toText().contains(u"AMANHA"_s));
    QCOMPARE(tarde.totals.cash.value(), 550.0);
    // a shift numbered 9 has no rows of its own, but its report is printed
    QVERIFY(extra.printed);
    QCOMPARE(extra.totals.entries.value(), 0.0);
}

QTEST_MAIN(TestDailyReport)
#include "tst_dailyreport.moc"
