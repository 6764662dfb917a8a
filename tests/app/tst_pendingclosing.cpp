#include "app/inifile.h"
#include "app/pendingclosing.h"
#include "app/tdm.h"
#include "app/ui/tfechamentocaixa.h"
#include "output/reportoutput.h"

#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kStart(QDate(2026, 3, 12), QTime(15, 30));

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing " + path.toUtf8() + ">");
}

class RecordingOutput final : public ReportOutput {
public:
    void preview(const TextReport& r) override { previews << r; }
    void print(const TextReport&) override {}
    QList<TextReport> previews;
};

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

class TestPendingClosing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void shouldShowTheSessionTheMainWindowFound_data();
    void shouldShowTheSessionTheMainWindowFound();
    void shouldPrintTheClosingReportAsWorkedOutByHand_data();
    void shouldPrintTheClosingReportAsWorkedOutByHand();
    void shouldShowTheFiguresOfASaleWithChangeAndOfTheChangeFund();
    void shouldLeaveItemsWithAFiscalNoteOutOfTheSellersWhenImprimirIsN();
    void shouldCloseTheSessionShownOnItsOpeningDay();
    void shouldTellWhenTheSessionWasClosedMeanwhile();
    void shouldDisableFechamentoWithoutASession();
    void shouldLeaveTheSessionOpenWhenClosedWithX();

private:
    std::unique_ptr<TDM> makeDm(const QByteArray& geral = "RELATORIOPRODUTOSVENDIDOS=N\nRELATORIOVENDASVENDEDOR=N\n"
                                                          "ENTRADAPRODUTOS=N\nRELATORIOMINIMO=N\n",
                                const QByteArray& local = {});
    QVariantMap session(int controle);

    TestDatabase m_db{u"pendingclosing"_s};
    FixedClock m_clock{kStart};
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestPendingClosing::makeDm(const QByteArray& geral, const QByteArray& local)
{
    AdminSettings s = AdminSettings::read(IniFile::fromBytes("[GERAL]\n" + geral + "[LOCAL]\n" + local));
    s.local = s.loja = s.email = m_db.settings();
    auto dm = std::make_unique<TDM>(s, m_clock, m_messages);
    if (!dm->DataModuleCreate())
        qWarning() << m_messages.texts();
    dm->setLoggedUser(u"GERENTE"_s);
    return dm;
}

QVariantMap TestPendingClosing::session(int controle)
{
    QVariantMap row;
    for (const char* column : {"DataFechamento", "HoraFechamento", "UsuarioFechamento", "TotalDineiro", "TotalCheque",
                               "TotalCartaoCredito", "TotalCartaoDebito", "TotalCreditoLoja"})
        row.insert(QString::fromLatin1(column), m_db.scalar(u"SELECT %1 FROM `%2`.abrefechacaixa WHERE Controle = %3"_s
                                                                .arg(QString::fromLatin1(column), m_db.name())
                                                                .arg(controle)));
    return row;
}

void TestPendingClosing::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    QCOMPARE(m_db.exec(u"USE `%1`"_s.arg(m_db.name())), QString());
    QCOMPARE(m_db.execScript(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/app/pendente_fixture.sql")), QString());
}

void TestPendingClosing::init()
{
    m_messages.messages.clear();
    m_clock.set(kStart);
    QCOMPARE(m_db.exec(u"UPDATE `%1`.abrefechacaixa SET DataFechamento = NULL, HoraFechamento = NULL, "
                       "UsuarioFechamento = NULL, TotalDineiro = 0, TotalCheque = 0, TotalCartaoCredito = 0, "
                       "TotalCartaoDebito = 0, TotalCreditoLoja = 0 WHERE Controle > 5"_s.arg(m_db.name())),
             QString());
}

void TestPendingClosing::shouldShowTheSessionTheMainWindowFound_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("controle");
    QTest::addColumn<QString>("opened");
    // sessions 7 (10/03) and 8 (11/03) of TARDE are open: the first by Controle is shown
    QTest::newRow("afternoon of the 12th") << kStart << 7 << u"10/03/2026"_s;
    QTest::newRow("morning of the 12th") << QDateTime(QDate(2026, 3, 12), QTime(8, 0)) << 6 << u"09/03/2026"_s;
    // today's session (9) is not pending, and on the 11th only the 10th's one is
    QTest::newRow("afternoon of the 11th") << QDateTime(QDate(2026, 3, 11), QTime(14, 0)) << 7 << u"10/03/2026"_s;
    QTest::newRow("no session before the 10th") << QDateTime(QDate(2026, 3, 10), QTime(14, 0)) << 0 << QString();
    QTest::newRow("no shift at night") << QDateTime(QDate(2026, 3, 12), QTime(21, 0)) << 0 << QString();
}

void TestPendingClosing::shouldShowTheSessionTheMainWindowFound()
{
    QFETCH(QDateTime, now);
    QFETCH(int, controle);
    QFETCH(QString, opened);
    // given the program starting at that time
    m_clock.set(now);
    auto dm = makeDm();

    // when the window comes up
    TFechamentoCaixa w(*dm);

    // then it shows that session, and offers "Fechamento" only with one
    QCOMPARE(w.session() ? w.session()->Controle : 0, controle);
    QCOMPARE(w.findChild<QLineEdit*>(u"DataAbertura"_s)->text(), opened);
    QCOMPARE(w.findChild<QToolButton*>(u"SpeedButton1"_s)->isEnabled(), controle != 0);
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestPendingClosing::shouldPrintTheClosingReportAsWorkedOutByHand_data()
{
    QTest::addColumn<QByteArray>("sections");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("pageLength");
    QTest::newRow("sections off") << QByteArray("N") << u"pendente_sem_secoes.txt"_s << 1;
    QTest::newRow("sections on") << QByteArray("S") << u"pendente_com_secoes.txt"_s << 92;
}

void TestPendingClosing::shouldPrintTheClosingReportAsWorkedOutByHand()
{
    QFETCH(QByteArray, sections);
    QFETCH(QString, expected);
    QFETCH(int, pageLength);
    // given the session of the 10th and the four section settings
    auto dm = makeDm("RELATORIOPRODUTOSVENDIDOS=" + sections + "\nRELATORIOVENDASVENDEDOR=" + sections +
                     "\nENTRADAPRODUTOS=" + sections + "\nRELATORIOMINIMO=" + sections + "\n");
    ReportPrinter printer;
    RecordingOutput output;
    printer.setOutput(&output);
    PendingClosing closing(*dm, printer);
    const auto s = closing.findSession(closing.shiftInForce());
    QVERIFY(s);

    // when the report is built
    const PendingClosingReport r = closing.buildReport(*s, 2);

    // then it is the page worked out by hand, previewed
    QCOMPARE(output.previews.size(), 1);
    const QByteArray text = output.previews.first().toText().toUtf8();
    const QByteArray want = readFile(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/app/") + expected);
    compareLines(text, want);
    QCOMPARE(text, want);
    QCOMPARE(r.report.TamanhoQteLinhas, pageLength);
    QCOMPARE(r.report.TamanhoQteColunas, 65);
    QVERIFY(r.report.FonteTamanhoPadrao == FontPitch::S20cpp);
    // and the work table holds the 16 qualifying rows
    QCOMPARE(dm->MyConnection1().scalar(u"t"_s, u"select count(*) from caixalojatmp"_s).toInt(), 16);
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestPendingClosing::shouldShowTheFiguresOfASaleWithChangeAndOfTheChangeFund()
{
    auto dm = makeDm();
    ReportPrinter printer;
    PendingClosing closing(*dm, printer);
    const PendingClosingReport r = closing.buildReport(*closing.findSession(2), 2);

    QStringList atChangeFund;
    for (const PlacedText& t : r.report.texts())
        if (t.line == 6 && t.column == 28)
            atChangeFund << t.text;
    // the change fund: both labels at column 28, 100.00 received, counted as TROCO
    QCOMPARE(atChangeFund, (QStringList{u"Pagto.Dinhei"_s, u"Troco Caixa"_s}));
    QCOMPARE(r.rows.first().vReceb(), 100.0);
    QCOMPARE(r.totals.troco, 100.0);
    // the 50.00 sale paid with 60.00
    const PendingWorkRow& sale = r.rows.at(1);
    QCOMPARE(sale.vReceb(), 50.0);
    QCOMPARE(sale.troco, 10.0);
    QCOMPARE(sale.vPagto(), 60.0);
    const QStringList lines = r.report.pageLines(1);
    QCOMPARE(lines.at(6).mid(40), u" 50,00  10,00     60,00"_s);
    QCOMPARE(r.totals.dinheiro, 120.0);                    // 50 of the sale and 70 of a BANCO entry
    QCOMPARE(lines.at(22 + 8 - 1).trimmed(), u"895,00"_s); // entries less the change fund
}

void TestPendingClosing::shouldLeaveItemsWithAFiscalNoteOutOfTheSellersWhenImprimirIsN()
{
    auto dm = makeDm("RELATORIOPRODUTOSVENDIDOS=N\nRELATORIOVENDASVENDEDOR=S\nENTRADAPRODUTOS=N\nRELATORIOMINIMO=N\n",
                     "IMPRIMIR=N\n");
    ReportPrinter printer;
    PendingClosing closing(*dm, printer);
    const QStringList lines = closing.buildReport(*closing.findSession(2), 2).report.pageLines(1);
    // the sellers section alone starts on line 51, its rows on 56: ANA's 120.00 item carries NFC-e 502
    QCOMPARE(lines.at(55).simplified(), u"3 JOAO 50,00"_s);
    QCOMPARE(lines.at(56).simplified(), u"2 ANA 80,00"_s);
    QCOMPARE(lines.at(58).trimmed(), u"130,00"_s);
}

void TestPendingClosing::shouldCloseTheSessionShownOnItsOpeningDay()
{
    // given the window showing the session opened on the 10th, two days ago
    auto dm = makeDm();
    TFechamentoCaixa w(*dm);
    RecordingOutput output;
    w.printer().setOutput(&output);
    QCOMPARE(w.findChild<QLineEdit*>(u"NumCaixa"_s)->text(), u"001"_s);
    QCOMPARE(w.findChild<QLineEdit*>(u"HoraAbertura"_s)->text(), u"13:05:10"_s);
    QCOMPARE(w.findChild<QLineEdit*>(u"turno"_s)->text(), u"2"_s);
    QCOMPARE(w.findChild<QLineEdit*>(u"maquina"_s)->text(), u"LOJA01-caixa"_s);
    QCOMPARE(w.findChild<QLineEdit*>(u"UsuarioCaixa"_s)->text(), u"CAIXA1"_s);
    QCOMPARE(w.findChild<QLineEdit*>(u"troco"_s)->text(), u"100,00"_s);
    QCOMPARE(w.findChild<QLineEdit*>(u"DataFechamento"_s)->text(), QString());

    // when "Fechamento" is pressed
    w.findChild<QToolButton*>(u"SpeedButton1"_s)->click();

    // then the report was previewed and that session alone is closed, dated on its own day
    QCOMPARE(output.previews.size(), 1);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(m_messages.texts(), QStringList());
    const QVariantMap closed = session(7);
    QCOMPARE(closed.value(u"DataFechamento"_s).toDate(), QDate(2026, 3, 10));
    QCOMPARE(closed.value(u"HoraFechamento"_s).toTime(), QTime(15, 30));
    QCOMPARE(closed.value(u"UsuarioFechamento"_s).toString(), u"GERENTE"_s);
    QCOMPARE(closed.value(u"TotalDineiro"_s).toDouble(), 120.0);
    QCOMPARE(closed.value(u"TotalCheque"_s).toDouble(), 200.0);
    QCOMPARE(closed.value(u"TotalCartaoCredito"_s).toDouble(), 120.0);
    QCOMPARE(closed.value(u"TotalCartaoDebito"_s).toDouble(), 80.0);
    QCOMPARE(closed.value(u"TotalCreditoLoja"_s).toDouble(), 45.0);
    QVERIFY(session(8).value(u"DataFechamento"_s).isNull());
    QVERIFY(session(6).value(u"DataFechamento"_s).isNull());
    QCOMPARE(dm->MyConnection1().scalar(u"t"_s, u"select count(*) from caixalojatmp"_s).toInt(), 0);
    QVERIFY(w.findChild<QProgressBar*>(u"PB1"_s)->isVisibleTo(&w));

    const QString docs = qEnvironmentVariable("CAIXA_DOCS_DIR");
    if (!docs.isEmpty()) {
        QCOMPARE(m_db.exec(u"UPDATE `%1`.abrefechacaixa SET DataFechamento = NULL, HoraFechamento = NULL "
                           "WHERE Controle = 7"_s.arg(m_db.name())),
                 QString());
        TFechamentoCaixa shown(*dm);
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        shown.grab().save(QDir(docs).filePath(u"fechamento-pendente.png"_s));
    }
}

void TestPendingClosing::shouldTellWhenTheSessionWasClosedMeanwhile()
{
    // given the window up, and another workstation closing the session meanwhile
    auto dm = makeDm();
    TFechamentoCaixa w(*dm);
    RecordingOutput output;
    w.printer().setOutput(&output);
    QCOMPARE(m_db.exec(u"UPDATE `%1`.abrefechacaixa SET DataFechamento = '2026-03-10', HoraFechamento = '19:00:00', "
                       "UsuarioFechamento = 'CAIXA1' WHERE Controle = 7"_s.arg(m_db.name())),
             QString());

    // when "Fechamento" is pressed here
    w.findChild<QToolButton*>(u"SpeedButton1"_s)->click();

    // then the report is shown, the user is told, and nothing is written over
    QCOMPARE(output.previews.size(), 1);
    QCOMPARE(m_messages.texts(), QStringList{u"Este Data o Caixa já foi Fechado  !!!"_s});
    QCOMPARE(m_messages.messages.first().title, u"Quilate Sistemas, Atenção !!!"_s);
    QVERIFY(m_messages.messages.first().kind == MessageSink::Kind::Warning);
    QCOMPARE(session(7).value(u"HoraFechamento"_s).toTime(), QTime(19, 0));
    QCOMPARE(session(7).value(u"UsuarioFechamento"_s).toString(), u"CAIXA1"_s);
    QCOMPARE(session(7).value(u"TotalDineiro"_s).toDouble(), 0.0);
    QVERIFY(session(8).value(u"DataFechamento"_s).isNull());
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

void TestPendingClosing::shouldDisableFechamentoWithoutASession()
{
    m_clock.set(QDateTime(QDate(2026, 3, 10), QTime(14, 0)));
    auto dm = makeDm();
    TFechamentoCaixa w(*dm);
    RecordingOutput output;
    w.printer().setOutput(&output);
    QVERIFY(!w.findChild<QToolButton*>(u"SpeedButton1"_s)->isEnabled());
    w.SpeedButton1Click();
    QVERIFY(output.previews.isEmpty());
    QVERIFY(session(7).value(u"DataFechamento"_s).isNull());
    QCOMPARE(w.findChild<QLineEdit*>(u"NumCaixa"_s)->text(), QString());
}

void TestPendingClosing::shouldLeaveTheSessionOpenWhenClosedWithX()
{
    auto dm = makeDm();
    TFechamentoCaixa w(*dm);
    w.findChild<QPushButton*>(u"Panel3"_s)->click();
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(session(7).value(u"DataFechamento"_s).isNull());
    QCOMPARE(m_messages.texts(), QStringList());
}

QTEST_MAIN(TestPendingClosing)
#include "tst_pendingclosing.moc"
