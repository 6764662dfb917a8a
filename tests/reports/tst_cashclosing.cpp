#include "app/inifile.h"
#include "app/tdm.h"
#include "output/reportoutput.h"
#include "reports/cashclosing.h"
#include "reports/dailyreport.h"
#include "reports/ui/trptfechamentoperiodocaixa01.h"

#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testsmtp.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDateEdit>
#include <QFile>
#include <QJsonArray>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate kDay(2026, 3, 10);
const QDateTime kNow(kDay, QTime(18, 45, 30));
const QString kSubject = u"Fechamento do Caixa"_s;

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class RecordingOutput final : public ReportOutput {
public:
    void preview(const TextReport& r) override { previews << r.toText(); }
    void print(const TextReport&) override {}
    QStringList previews;
};

QList<QJsonObject> closingMails()
{
    QList<QJsonObject> out;
    for (const QJsonObject& m : testsmtp::all())
        if (m.value(u"subject"_s).toString() == kSubject)
            out << m;
    return out;
}

// The closing mail received after `before` of them had come.
QJsonObject nextClosingMail(qsizetype before)
{
    for (int i = 0; i < 200; ++i) {
        const QList<QJsonObject> mails = closingMails();
        if (mails.size() > before)
            return mails.at(before);
        QTest::qWait(50);
    }
    return {};
}

QStringList addresses(const QJsonObject& mail)
{
    QStringList out;
    for (const QJsonValue& v : mail.value(u"rcpt_tos"_s).toArray())
        out << v.toString();
    return out;
}

} // namespace

class TestCashClosing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void shouldRunAFullDayFromOpeningToClosing();
    void shouldComposeTheClosingMail();
    void shouldMailTheContactsThatAreSet();
    void shouldCloseWithoutMailWhenMailIsOff_data();
    void shouldCloseWithoutMailWhenMailIsOff();
    void shouldNotLogWhenTheExternalLogIsOff();
    void shouldLogTheFailureAndKeepEverythingWhenSmtpIsDown();
    void shouldLogTheRefusalWhenTheLogRowCannotBeStored();
    void shouldAskForTheReportFirst_data();
    void shouldAskForTheReportFirst();
    void shouldStopBeforeClosing_data();
    void shouldStopBeforeClosing();
    void shouldCloseOnlyTheSessionOfTheReport();
    void shouldTellTheSecondWorkstationItIsAlreadyClosed();
    void shouldWarnTwiceOfPendingFiscalDocumentsAndStillClose();

private:
    std::unique_ptr<TDM> makeDm(const QByteArray& geral = {});
    // "Imprimir Detalhado &Geral" in a results window of its own, as the user does first.
    bool printReport(TDM& dm, const QDate& day = kDay, const QString& turno = u"TARDE"_s);
    struct Closing {
        int result = 0;
        QList<QDate> revealed;
    };
    // "&Fechamento" in a new results window for the day and shift.
    Closing closeInWindow(TDM& dm, const QDate& day = kDay, const QString& turno = u"TARDE"_s);
    QVariantMap session(int controle);
    int lojaRows() { return m_mail.scalar(u"SELECT COUNT(*) FROM `%1`.loja"_s.arg(m_mail.name())).toInt(); }
    QString textFile() const { return DailyResultsReport::textPath(m_dir.path()); }

    TestDatabase m_db{u"cashclosing"_s};
    TestDatabase m_mail{u"cashclosingmail"_s};
    QTemporaryDir m_dir;
    FixedClock m_clock{kNow};
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestCashClosing::makeDm(const QByteArray& geral)
{
    // the first value of a key wins: the test's own come first
    const QByteArray ini = "[GERAL]\n" + geral + testsmtp::geralSettings() +
                           "EMAIL1=dono@loja.example\nCONTATO1=DONO\nEMAIL2=gerente@loja.example\nCONTATO2=GERENTE\n"
                           "RELATORIOPRODUTOSVENDIDOS=N\nRELATORIOPRODUTOGRUPO=N\nRELATORIOVENDASVENDEDOR=N\n"
                           "ENTRADAPRODUTOS=N\nRELATORIORECEBERENTRADADIA=N\nRELATORIORECEBERNODIA=N\nTEMPCAIXA=" +
                           m_dir.path().toUtf8() + "\n";
    AdminSettings s = AdminSettings::read(IniFile::fromBytes(ini));
    s.local = s.loja = m_db.settings();
    s.email = m_mail.settings();
    auto dm = std::make_unique<TDM>(s, m_clock, m_messages);
    if (!dm->DataModuleCreate())
        qWarning() << m_messages.texts();
    dm->setLoggedUser(u"GERENTE"_s);
    return dm;
}

bool TestCashClosing::printReport(TDM& dm, const QDate& day, const QString& turno)
{
    TRptFechamentoPeriodoCaixa01 w(dm);
    RecordingOutput output;
    w.printer().setOutput(&output);
    w.findChild<QDateEdit*>(u"DTI"_s)->setDate(day);
    w.findChild<QComboBox*>(u"LookupEdit1"_s)->setCurrentText(turno);
    w.findChild<QPushButton*>(u"BitBtn1"_s)->click();
    m_messages.messages.clear();
    return output.previews.size() == 1;
}

TestCashClosing::Closing TestCashClosing::closeInWindow(TDM& dm, const QDate& day, const QString& turno)
{
    TRptFechamentoPeriodoCaixa01 w(dm);
    Closing c;
    w.setOnPrinted([&](const QDate& d, bool withButton) {
        if (withButton)
            c.revealed << d;
    });
    w.findChild<QDateEdit*>(u"DTI"_s)->setDate(day);
    w.findChild<QComboBox*>(u"LookupEdit1"_s)->setCurrentText(turno);
    w.findChild<QPushButton*>(u"BitBtn3"_s)->click();
    c.result = w.result();
    return c;
}

QVariantMap TestCashClosing::session(int controle)
{
    QVariantMap row;
    for (const char* column : {"DataFechamento", "HoraFechamento", "UsuarioFechamento", "TotalDineiro", "TotalCheque",
                               "TotalCartaoCredito", "TotalCartaoDebito", "TotalCreditoLoja"})
        row.insert(QString::fromLatin1(column), m_db.scalar(u"SELECT %1 FROM `%2`.abrefechacaixa WHERE Controle = %3"_s
                                                                .arg(QString::fromLatin1(column), m_db.name())
                                                                .arg(controle)));
    return row;
}

void TestCashClosing::initTestCase()
{
    REQUIRE_TEST_DB();
    REQUIRE_TEST_SMTP();
    QVERIFY(m_dir.isValid());
    QCOMPARE(m_db.recreate(), QString());
    QCOMPARE(m_mail.recreate(), QString());
    QCOMPARE(m_db.exec(u"USE `%1`"_s.arg(m_db.name())), QString());
    QCOMPARE(m_db.execScript(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/dia_fechamento.sql")), QString());
}

void TestCashClosing::init()
{
    m_messages.messages.clear();
    m_messages.questions.clear();
    m_messages.answers.clear();
    m_clock.set(kNow);
    CashClosing::forget();
    QFile::remove(textFile());
    // the session opened at 13:00:05 by CAIXA1 with 100.00 of change
    QCOMPARE(m_db.exec(u"DELETE FROM `%1`.abrefechacaixa"_s.arg(m_db.name())), QString());
    QCOMPARE(
        m_db.exec(u"INSERT INTO `%1`.abrefechacaixa (Controle, NumCaixa, DataAbertura, HoraAbertura, UsuarioCaixa, "
                  "turno, maquina, troco, codigofilial, filial, dataprocessamento, descturno) VALUES (10, '001', "
                  "'2026-03-10', '13:00:05', 'CAIXA1', 2, 'LOJA01-caixa', 100, 1, 'Matriz', "
                  "'2026-03-10 13:00:05', 'TARDE')"_s.arg(m_db.name())),
        QString());
    QCOMPARE(m_mail.exec(u"DELETE FROM `%1`.loja"_s.arg(m_mail.name())), QString());
    QCOMPARE(m_db.exec(u"DELETE FROM `%1`.numeronfce"_s.arg(m_db.name())), QString());
}

void TestCashClosing::cleanup()
{
    CashClosing::forget();
}

void TestCashClosing::shouldRunAFullDayFromOpeningToClosing()
{
    // given the day's movements from the opening on, and the detailed report printed
    auto dm = makeDm();
    QVERIFY(printReport(*dm));
    const QByteArray report = readFile(textFile());
    QVERIFY(report.contains("RECEBIMENTO DE DINHEIRO.............R$             100,00\r\n"));
    QVERIFY(report.contains("RECEBIMENTO DE CHEQUE...............R$             200,00\r\n"));
    QVERIFY(report.contains("SAIDA DE SANGRIA....................R$             150,00\r\n"));
    const qsizetype before = closingMails().size();

    // when the cash is closed at 18:45:30 in a new results window
    const Closing c = closeInWindow(*dm);

    // then the session holds the closing and the report's totals
    QCOMPARE(m_messages.questions, QStringList{u"Exclusão|Confirma o Fechamento do Caixa?"_s});
    const QVariantMap closed = session(10);
    QCOMPARE(closed.value(u"DataFechamento"_s).toDate(), kDay);
    QCOMPARE(closed.value(u"HoraFechamento"_s).toTime(), QTime(18, 45, 30));
    QCOMPARE(closed.value(u"UsuarioFechamento"_s).toString(), u"GERENTE"_s);
    QCOMPARE(closed.value(u"TotalDineiro"_s).toDouble(), 100.0); // 50.00 sold, 50.00 reinforced
    QCOMPARE(closed.value(u"TotalCheque"_s).toDouble(), 200.0);
    QCOMPARE(closed.value(u"TotalCartaoCredito"_s).toDouble(), 120.0);
    QCOMPARE(closed.value(u"TotalCartaoDebito"_s).toDouble(), 80.0);
    QCOMPARE(closed.value(u"TotalCreditoLoja"_s).toDouble(), 0.0);

    // and the contacts got the report, attached byte for byte
    const QJsonObject mail = nextClosingMail(before);
    QVERIFY2(!mail.isEmpty(), "closing mail not delivered");
    QCOMPARE(addresses(mail), (QStringList{u"dono@loja.example"_s, u"gerente@loja.example"_s}));
    QVERIFY(mail.value(u"from"_s).toString().contains(u"FECHAMENTO DO CAIXA"_s));
    QCOMPARE(mail.value(u"x_priority"_s).toString(), u"3"_s);
    QVERIFY(mail.value(u"html"_s).toString().contains(
        u"<p style=\"color:#000000; background-color:#e2fd03;\"><b>Fechamento do Caixa : 18:45:30 - 10/03/2026 - "
        "LOJA TESTE</b></p>"_s));
    const QJsonArray attachments = mail.value(u"attachments"_s).toArray();
    QCOMPARE(attachments.size(), 1);
    const QJsonObject a = attachments.first().toObject();
    QCOMPARE(a.value(u"filename"_s).toString(), u"relatoriocaixa.txt"_s);
    QCOMPARE(a.value(u"description"_s).toString(), u"Relatorio do Caixa"_s);
    QCOMPARE(a.value(u"disposition"_s).toString(), u"inline"_s);
    QCOMPARE(a.value(u"sha256"_s).toString(),
             QString::fromLatin1(QCryptographicHash::hash(report, QCryptographicHash::Sha256).toHex()));

    // and the mail database logs it with the report's text
    QCOMPARE(lojaRows(), 1);
    const auto loja = [&](const char* column) {
        return m_mail.scalar(u"SELECT %1 FROM `%2`.loja"_s.arg(QString::fromLatin1(column), m_mail.name()));
    };
    QCOMPARE(loja("txt").toString().toUtf8(), report);
    QCOMPARE(loja("descricao").toString(), u"FECHAMENTO DO CAIXA : LOJA TESTE"_s);
    QCOMPARE(loja("razaosocial").toString(), u"LOJA TESTE"_s);
    QCOMPARE(loja("usuario").toString(), u"GERENTE"_s);
    QCOMPARE(loja("datatransferencia").toDate(), kDay);
    QCOMPARE(loja("horatransferencia").toTime(), QTime(18, 45, 30));
    QCOMPARE(loja("transferido").toString(), u"S"_s);
    QCOMPARE(loja("status").toString(), u"TRANSFERIDO COM SUCESSO"_s);
    QCOMPARE(loja("emailcliente01").toString(), u"dono@loja.example"_s);
    QCOMPARE(loja("emailcliente02").toString(), u"gerente@loja.example"_s);
    QCOMPARE(loja("cnpj").toString(), u"12345678000190"_s);

    // and the user is told, the main window shows the day, the work table is empty, the window closes
    QCOMPARE(m_messages.texts(),
             (QStringList{u"Concluido com Sucesso !!!"_s, u"A Messagem Foi Enviada com Sucesso"_s}));
    QCOMPARE(m_messages.messages.at(0).title, u"Quilate Sistemas, Atenção !!!"_s);
    QCOMPARE(m_messages.messages.at(1).title, u"Atenção"_s);
    QCOMPARE(c.revealed, QList<QDate>{kDay});
    QCOMPARE(dm->MyConnection1().scalar(u"t"_s, u"select count(*) from caixalojatmp"_s).toInt(), 0);
    QCOMPARE(c.result, int(QDialog::Accepted));
}

void TestCashClosing::shouldComposeTheClosingMail()
{
    auto dm = makeDm("EMAIL2=\nEMAIL3=contador@loja.example\nCONTATO3=CONTADOR\n");
    ReportPrinter printer;
    DailyResultsReport report(*dm, printer);
    PrintedReport printed;
    printed.textFile = textFile();

    const MailMessage m = CashClosing(*dm, report).closingMail(printed);

    QCOMPARE(m.fromName, u"FECHAMENTO DO CAIXA"_s);
    QCOMPARE(m.subject, u"Fechamento do Caixa"_s);
    QVERIFY(m.priority == MailMessage::Priority::Normal);
    QCOMPARE(m.recipients,
             (QList<MailRecipient>{{u"DONO"_s, u"dono@loja.example"_s}, {u"CONTADOR"_s, u"contador@loja.example"_s}}));
    QCOMPARE(m.body, (QStringList{
                         mail::notificationBody(u"LOJA TESTE"_s, {}, {}).first(),
                         u"<p><b>A/C.: CONTATO1</b></p>"_s,
                         u"<p style=\"color:#000000; background-color:#e2fd03;\"><b>Fechamento do Caixa : 18:45:30 - "
                         "10/03/2026 - LOJA TESTE</b></p>"_s,
                         u"<table>"_s,
                         u"</table>"_s,
                         u"<br />"_s,
                         u"</body>\r\n</html>\r\n"_s,
                     }));
    QVERIFY(m.body.first().startsWith(u"<html>\r\n<head>\r\n"_s));
    QCOMPARE(m.attachments.size(), 1);
    QCOMPARE(m.attachments.first().fileName, textFile());
    QCOMPARE(m.attachments.first().description, u"Relatorio do Caixa"_s);
    QVERIFY(m.attachments.first().inlineDisposition);
}

void TestCashClosing::shouldMailTheContactsThatAreSet()
{
    // given EMAIL2 empty and EMAIL3 set
    auto dm = makeDm("EMAIL2=\nEMAIL3=contador@loja.example\nCONTATO3=CONTADOR\n");
    QVERIFY(printReport(*dm));
    const qsizetype before = closingMails().size();

    closeInWindow(*dm);

    // then the mail goes to the two of them
    const QJsonObject mail = nextClosingMail(before);
    QVERIFY2(!mail.isEmpty(), "closing mail not delivered");
    QCOMPARE(addresses(mail), (QStringList{u"dono@loja.example"_s, u"contador@loja.example"_s}));
    QCOMPARE(m_mail.scalar(u"SELECT emailcliente02 FROM `%1`.loja"_s.arg(m_mail.name())).toString(), QString());
}

void TestCashClosing::shouldCloseWithoutMailWhenMailIsOff_data()
{
    QTest::addColumn<QByteArray>("geral");
    QTest::newRow("ENVIAEMAIL N") << QByteArray("ENVIAEMAIL=N\n");
    QTest::newRow("ENVIAEMAIL s") << QByteArray("ENVIAEMAIL=s\n");
    QTest::newRow("no EMAIL1") << QByteArray("EMAIL1=\n");
}

void TestCashClosing::shouldCloseWithoutMailWhenMailIsOff()
{
    QFETCH(QByteArray, geral);
    auto dm = makeDm(geral);
    QVERIFY(printReport(*dm));
    const qsizetype before = closingMails().size();

    const Closing c = closeInWindow(*dm);

    // the session is closed, nothing is mailed nor logged, nobody is congratulated, the window closes
    QCOMPARE(session(10).value(u"DataFechamento"_s).toDate(), kDay);
    QCOMPARE(session(10).value(u"TotalCheque"_s).toDouble(), 200.0);
    QTest::qWait(300);
    QCOMPARE(closingMails().size(), before);
    QCOMPARE(lojaRows(), 0);
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(c.revealed, QList<QDate>{kDay});
    QCOMPARE(dm->MyConnection1().scalar(u"t"_s, u"select count(*) from caixalojatmp"_s).toInt(), 0);
    QCOMPARE(c.result, int(QDialog::Accepted));
}

void TestCashClosing::shouldNotLogWhenTheExternalLogIsOff()
{
    auto dm = makeDm("ENVIAEMAILEXTERNO=N\n");
    QVERIFY(printReport(*dm));
    const qsizetype before = closingMails().size();

    const Closing c = closeInWindow(*dm);

    QVERIFY(!nextClosingMail(before).isEmpty());
    QCOMPARE(lojaRows(), 0);
    QCOMPARE(m_messages.texts(),
             (QStringList{u"Concluido com Sucesso !!!"_s, u"A Messagem Foi Enviada com Sucesso"_s}));
    QCOMPARE(c.result, int(QDialog::Accepted));
}

void TestCashClosing::shouldLogTheFailureAndKeepEverythingWhenSmtpIsDown()
{
    // given a mail server that does not answer
    auto dm = makeDm("PORTA=" + QByteArray::number(testsmtp::closedPort()) + "\n");
    QVERIFY(printReport(*dm));
    const QByteArray report = readFile(textFile());
    const int workRows = dm->MyConnection1().scalar(u"t"_s, u"select count(*) from caixalojatmp"_s).toInt();
    QVERIFY(workRows > 0);

    // when the cash is closed
    const Closing c = closeInWindow(*dm);

    // then the session is closed with its totals, as it was before the mail
    QCOMPARE(session(10).value(u"DataFechamento"_s).toDate(), kDay);
    QCOMPARE(session(10).value(u"TotalDineiro"_s).toDouble(), 100.0);
    // and the user is told why the mail did not go
    QCOMPARE(m_messages.messages.size(), 1);
    QVERIFY(m_messages.messages.first().kind == MessageSink::Kind::Error);
    const QString error = m_messages.messages.first().text;
    QVERIFY2(error.startsWith(u"Não foi possível conectar ao servidor de e-mail"_s), qPrintable(error));
    // and the failure is logged with the report, so that nothing is lost
    QCOMPARE(lojaRows(), 1);
    const auto loja = [&](const char* column) {
        return m_mail.scalar(u"SELECT %1 FROM `%2`.loja"_s.arg(QString::fromLatin1(column), m_mail.name()));
    };
    QCOMPARE(loja("enviado").toString(), u"N"_s);
    QCOMPARE(loja("status").toString(), error.simplified().left(50));
    QVERIFY(loja("transferido").isNull());
    QCOMPARE(loja("txt").toString().toUtf8(), report);
    // and the window stays, with the report and the work table, for another try
    QCOMPARE(readFile(textFile()), report);
    QCOMPARE(dm->MyConnection1().scalar(u"t"_s, u"select count(*) from caixalojatmp"_s).toInt(), workRows);
    QVERIFY(c.revealed.isEmpty());
    QVERIFY(c.result != int(QDialog::Accepted));
}

void TestCashClosing::shouldLogTheRefusalWhenTheLogRowCannotBeStored()
{
    // given a mail database that refuses rows of transferred reports
    QCOMPARE(
        m_mail.exec(u"ALTER TABLE `%1`.loja ADD CONSTRAINT recusa CHECK (transferido <> 'S')"_s.arg(m_mail.name())),
        QString());
    auto dm = makeDm();
    QVERIFY(printReport(*dm));
    const qsizetype before = closingMails().size();

    const Closing c = closeInWindow(*dm);
    QCOMPARE(m_mail.exec(u"ALTER TABLE `%1`.loja DROP CONSTRAINT recusa"_s.arg(m_mail.name())), QString());

    // then the mail went, the error is shown and logged in its place, and the click ends there
    QVERIFY(!nextClosingMail(before).isEmpty());
    QCOMPARE(m_messages.messages.size(), 1);
    QVERIFY(m_messages.messages.first().kind == MessageSink::Kind::Error);
    QVERIFY(m_messages.messages.first().text.contains(u"recusa"_s));
    QCOMPARE(lojaRows(), 1);
    QCOMPARE(m_mail.scalar(u"SELECT enviado FROM `%1`.loja"_s.arg(m_mail.name())).toString(), u"N"_s);
    QVERIFY(m_mail.scalar(u"SELECT status FROM `%1`.loja"_s.arg(m_mail.name())).toString().contains(u"recusa"_s));
    QCOMPARE(session(10).value(u"DataFechamento"_s).toDate(), kDay);
    QVERIFY(c.revealed.isEmpty());
    QVERIFY(c.result != int(QDialog::Accepted));
}

void TestCashClosing::shouldAskForTheReportFirst_data()
{
    QTest::addColumn<QDate>("printedDay");
    QTest::addColumn<QString>("printedShift");
    QTest::addColumn<bool>("fileChanged");
    QTest::newRow("none printed") << QDate() << QString() << false;
    QTest::newRow("another day") << kDay.addDays(-1) << u"TARDE"_s << false;
    QTest::newRow("another shift") << kDay << u"MANHA"_s << false;
    QTest::newRow("file written over") << kDay << u"TARDE"_s << true;
}

void TestCashClosing::shouldAskForTheReportFirst()
{
    QFETCH(QDate, printedDay);
    QFETCH(QString, printedShift);
    QFETCH(bool, fileChanged);
    auto dm = makeDm();
    if (printedDay.isValid())
        QVERIFY(printReport(*dm, printedDay, printedShift));
    else {
        QFile old(textFile()); // a file some earlier run left behind
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("relatorio antigo\r\n");
    }
    if (fileChanged) {
        QFile other(textFile());
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("outro relatorio\r\n");
    }
    const QString message =
        fileChanged ? CashClosing::changedReportMessage(textFile()) : CashClosing::noReportMessage();
    const qsizetype before = closingMails().size();

    const Closing c = closeInWindow(*dm);

    QCOMPARE(m_messages.texts(), QStringList{message});
    QVERIFY(session(10).value(u"DataFechamento"_s).isNull());
    QTest::qWait(300);
    QCOMPARE(closingMails().size(), before);
    QCOMPARE(lojaRows(), 0);
    QVERIFY(c.result != int(QDialog::Accepted));
}

void TestCashClosing::shouldStopBeforeClosing_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("turno");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("not confirmed") << false << u"TARDE"_s << QStringList();
    QTest::newRow("no shift") << true << QString()
                              << QStringList{u"Turmo Não foi Selecionado, Por Favor Selecione !!!"_s};
}

void TestCashClosing::shouldStopBeforeClosing()
{
    QFETCH(bool, answer);
    QFETCH(QString, turno);
    QFETCH(QStringList, messages);
    auto dm = makeDm();
    QVERIFY(printReport(*dm));
    m_messages.answers = {answer};

    const Closing c = closeInWindow(*dm, kDay, turno);

    QCOMPARE(m_messages.questions, QStringList{u"Exclusão|Confirma o Fechamento do Caixa?"_s});
    QCOMPARE(m_messages.texts(), messages);
    QVERIFY(session(10).value(u"DataFechamento"_s).isNull());
    QCOMPARE(lojaRows(), 0);
    QVERIFY(c.result != int(QDialog::Accepted));
}

void TestCashClosing::shouldCloseOnlyTheSessionOfTheReport()
{
    // given open sessions of this register in both shifts, of another register, an older one
    // and one opened after the report's day
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.abrefechacaixa (Controle, NumCaixa, DataAbertura, turno) VALUES "
                       "(3, '001', '2026-03-09', 2), (11, '001', '2026-03-10', 1), (12, '002', '2026-03-10', 2), "
                       "(13, '001', '2026-03-11', 2)"_s.arg(m_db.name())),
             QString());
    auto dm = makeDm();
    ReportPrinter printer;
    DailyResultsReport report(*dm, printer);
    CashClosing closing(*dm, report);
    DailyTotals totals;
    totals.cash.add(12.3456);

    // when the TARDE closing of the 10th runs
    QVERIFY(closing.closeSession(kDay, 2, totals));

    // then the latest open session of TARDE on register 001 up to that day is the one closed
    QCOMPARE(session(10).value(u"DataFechamento"_s).toDate(), kDay);
    QCOMPARE(session(10).value(u"TotalDineiro"_s).toDouble(), 12.3456);
    for (int other : {3, 11, 12, 13})
        QVERIFY2(session(other).value(u"DataFechamento"_s).isNull(), qPrintable(QString::number(other)));
    // and the next one closes the older session left open
    QVERIFY(closing.closeSession(kDay, 2, totals));
    QCOMPARE(session(3).value(u"DataFechamento"_s).toDate(), kDay);
    QVERIFY(!closing.closeSession(kDay, 2, totals));
}

void TestCashClosing::shouldTellTheSecondWorkstationItIsAlreadyClosed()
{
    // given two workstations with the same report printed
    auto first = makeDm();
    auto second = makeDm();
    QVERIFY(printReport(*first));
    const qsizetype before = closingMails().size();
    const Closing one = closeInWindow(*first);
    QCOMPARE(one.result, int(QDialog::Accepted));
    m_messages.messages.clear();
    m_clock.set(kNow.addSecs(60));

    // when the second closes a minute later
    const Closing two = closeInWindow(*second);

    // then it is told, the session keeps the first closing, and the report is mailed again
    QCOMPARE(m_messages.texts(),
             (QStringList{u"Este Data o Caixa já foi Fechado  !!!"_s, u"Concluido com Sucesso !!!"_s,
                          u"A Messagem Foi Enviada com Sucesso"_s}));
    QCOMPARE(session(10).value(u"HoraFechamento"_s).toTime(), QTime(18, 45, 30));
    QVERIFY(!nextClosingMail(before + 1).isEmpty());
    QCOMPARE(two.result, int(QDialog::Accepted));
}

void TestCashClosing::shouldWarnTwiceOfPendingFiscalDocumentsAndStillClose()
{
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(printReport(*dm));
    QCOMPARE(
        m_db.exec(u"INSERT INTO `%1`.numeronfce (data, hora, codigonota, serie, num_nfce, chave, valor, protocolo) "
                  "VALUES ('2026-03-10', '13:15:00', '2001', 1, 701, 'CHAVE', 50, NULL)"_s.arg(m_db.name())),
        QString());

    const Closing c = closeInWindow(*dm);

    QCOMPARE(m_messages.texts(),
             (QStringList{DailyResultsReport::pendingFiscalMessage(), DailyResultsReport::pendingFiscalMessage()}));
    QCOMPARE(session(10).value(u"DataFechamento"_s).toDate(), kDay);
    QCOMPARE(c.result, int(QDialog::Accepted));
}

QTEST_MAIN(TestCashClosing)
#include "tst_cashclosing.moc"
