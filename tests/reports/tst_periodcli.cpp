#include "reportfixtures.h"
#include "support/testdatabase.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace reportfixtures;

// caixa-relatorio periodo / fluxo run as the scheduled jobs run them, on the system clock.
class TestPeriodCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void shouldWriteThePeriodReport();
    void shouldWriteThePaymentFlow_data();
    void shouldWriteThePaymentFlow();
    void shouldRefuseBadOptions_data();
    void shouldRefuseBadOptions();

private:
    struct Run {
        int exitCode = -1;
        QStringList out;
        QString err;
    };
    Run run(const QStringList& args);

    TestDatabase m_db{u"periodcli"_s};
    QTemporaryDir m_dir;
    QString m_ini;
};

void TestPeriodCli::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(prepare(m_db), QString());
    QVERIFY(m_dir.isValid());
    const ConnectionSettings c = m_db.settings();
    QString section = u"SERVIDOR=%1\nPORTA=%2\nBANCO=%3\nUSUARIO=%4\nSENHA=%5\n"_s.arg(c.SERVIDOR)
                          .arg(c.PORTA)
                          .arg(c.BANCO, c.USUARIO, c.SENHA);
    m_ini = m_dir.filePath(u"Admin.ini"_s);
    QFile ini(m_ini);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(
        (u"[LOCAL]\n"_s + section + u"[LOJA]\n"_s + section + u"[EMAIL]\n"_s + section + u"[GERAL]\nENVIAEMAIL=N\n"_s)
            .toUtf8());
}

TestPeriodCli::Run TestPeriodCli::run(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(CAIXA_RELATORIO), args + QStringList{u"--ini"_s, m_ini, u"--usuario"_s, u"GERENTE"_s});
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n');
    if (!r.out.isEmpty() && r.out.last().isEmpty())
        r.out.removeLast();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

void TestPeriodCli::shouldWriteThePeriodReport()
{
    // given the cash book of the fixture
    QCOMPARE(m_db.exec(u"DELETE FROM caixa"_s), QString());
    QCOMPARE(m_db.execScript(path(u"periodo-tipos.sql"_s)), QString());

    // when the period is asked for
    const QDate today = QDate::currentDate();
    const Run r = run({u"periodo"_s, u"--de"_s, u"2026-03-02"_s, u"--ate"_s, u"2026-03-04"_s});

    // then the text is the window's report, issued today, and the balance is stored
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QStringList expected = expectedLines(u"periodo-tipos.txt"_s);
    expected.replaceInStrings(u"Emissao: 05/03/2026"_s, u"Emissao: "_s + today.toString(u"dd/MM/yyyy"_s));
    QCOMPARE(r.out, expected);
    QCOMPARE(m_db.scalar(u"SELECT data FROM saldoinicial"_s).toDate(), today);
    QVERIFY(qAbs(m_db.scalar(u"SELECT saldofinal FROM saldoinicial"_s).toDouble() - 2412.79) < 0.005);
}

void TestPeriodCli::shouldWriteThePaymentFlow_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");

    QTest::newRow("withdrawals") << QStringList{u"--especie"_s, u"SANGRIA"_s} << u"fluxo-sangria.txt"_s;
    QTest::newRow("cash per day, asked for")
        << QStringList{u"--especie"_s, u"DINHEIRO"_s, u"--agrupar"_s, u"dia"_s} << u"fluxo-dinheiro.txt"_s;
    QTest::newRow("every kind") << QStringList{} << u"fluxo-todos.txt"_s;
    QTest::newRow("nothing matching") << QStringList{u"--especie"_s, u"CHEQUE"_s} << u"fluxo-nada.txt"_s;
}

void TestPeriodCli::shouldWriteThePaymentFlow()
{
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    QCOMPARE(m_db.exec(u"DELETE FROM caixa"_s), QString());
    QCOMPARE(m_db.execScript(path(u"fluxo.sql"_s)), QString());

    const Run r = run(QStringList{u"fluxo"_s, u"--de"_s, u"2026-03-01"_s, u"--ate"_s, u"2026-03-31"_s} + options);

    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    // The second line carries the moment of printing.
    const QStringList want = expectedLines(expected);
    QCOMPARE(r.out.size(), want.size());
    QVERIFY2(QRegularExpression(u"^Data :%1-Hora:\\d\\d:\\d\\d:\\d\\d$"_s.arg(
                                    QRegularExpression::escape(QDate::currentDate().toString(u"dd/MM/yyyy"_s))))
                 .match(r.out.value(1))
                 .hasMatch(),
             qPrintable(r.out.value(1)));
    QStringList out = r.out;
    QStringList rest = want;
    out.removeAt(1);
    rest.removeAt(1);
    QCOMPARE(out, rest);
}

void TestPeriodCli::shouldRefuseBadOptions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");

    QTest::newRow("reversed period") << QStringList{u"periodo"_s, u"--de"_s, u"2026-03-05"_s, u"--ate"_s,
                                                    u"2026-03-04"_s}
                                     << u"A data inicial é maior que a data final !"_s;
    QTest::newRow("reversed flow") << QStringList{u"fluxo"_s, u"--de"_s, u"2026-03-05"_s, u"--ate"_s, u"2026-03-04"_s}
                                   << u"A data inicial é maior que a data final !"_s;
    QTest::newRow("not a day") << QStringList{u"periodo"_s, u"--de"_s, u"2026-02-30"_s, u"--ate"_s, u"2026-03-04"_s}
                               << u"Data inválida em --de"_s;
    QTest::newRow("missing end") << QStringList{u"fluxo"_s, u"--de"_s, u"2026-03-01"_s} << u"Informe --ate"_s;
    QTest::newRow("unknown grouping") << QStringList{u"fluxo"_s,      u"--de"_s,      u"2026-03-01"_s, u"--ate"_s,
                                                     u"2026-03-31"_s, u"--agrupar"_s, u"mes"_s}
                                      << u"Use --agrupar dia ou descricao"_s;
    QTest::newRow("previous balance flag")
        << QStringList{u"periodo"_s,          u"--de"_s, u"2026-03-01"_s, u"--ate"_s, u"2026-03-31"_s,
                       u"--saldo-anterior"_s, u"s"_s}
        << u"Use --saldo-anterior S ou N"_s;
}

void TestPeriodCli::shouldRefuseBadOptions()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QCOMPARE(m_db.exec(u"DELETE FROM saldoinicial"_s), QString());

    const Run r = run(args);

    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(m_db.scalar(u"SELECT COUNT(*) FROM saldoinicial"_s).toInt(), 0);
}

QTEST_GUILESS_MAIN(TestPeriodCli)
#include "tst_periodcli.moc"
