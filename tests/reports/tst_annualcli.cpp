#include "support/testdatabase.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// caixa-relatorio anual: the year computed and its table written from the command line.
class TestAnnualCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void shouldComputeTheYearAndWriteTheTable();
    void shouldRefuseBadOptions_data();
    void shouldRefuseBadOptions();

private:
    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Run run(const QStringList& args);

    TestDatabase m_db{u"annualcli"_s};
    QTemporaryDir m_dir;
    QString m_ini;
};

void TestAnnualCli::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    QCOMPARE(m_db.execScript(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/caixa-anual.sql")), QString());
    const ConnectionSettings c = m_db.settings();
    QString ini;
    for (const char* section : {"LOCAL", "LOJA", "EMAIL"})
        ini += u"[%1]\nSERVIDOR=%2\nPORTA=%3\nBANCO=%4\nUSUARIO=%5\nSENHA=%6\n\n"_s
                   .arg(QString::fromLatin1(section), c.SERVIDOR)
                   .arg(c.PORTA)
                   .arg(c.BANCO, c.USUARIO, c.SENHA);
    ini += u"[GERAL]\nENVIAEMAIL=N\n"_s;
    m_ini = m_dir.filePath(u"Admin.ini"_s);
    QFile f(m_ini);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ini.toUtf8());
}

TestAnnualCli::Run TestAnnualCli::run(const QStringList& args)
{
    QProcess proc;
    proc.start(QStringLiteral(CAIXA_BIN_DIR "/caixa-relatorio"), args);
    Run r;
    if (!proc.waitForFinished(120000))
        return r;
    r.exitCode = proc.exitCode();
    r.out = QString::fromLocal8Bit(proc.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(proc.readAllStandardError());
    return r;
}

void TestAnnualCli::shouldComputeTheYearAndWriteTheTable()
{
    const QString csv = m_dir.filePath(u"anual.csv"_s);
    const QString pdf = m_dir.filePath(u"anual.pdf"_s);

    const Run r = run({u"anual"_s, u"--de"_s, u"2025-01-01"_s, u"--ate"_s, u"2025-12-31"_s, u"--csv"_s, csv, u"--pdf"_s,
                       pdf, u"--ini"_s, m_ini});

    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QStringList lines = r.out.split(u'\n');
    QCOMPARE(lines.value(0), u"CALÇADOS BOA VISTA"_s);
    QCOMPARE(lines.value(1), u"Relatório de Movimentação Anual no Período: 01/01/2025 à 31/12/2025"_s);
    QStringList sangria;
    for (const QString& l : lines)
        if (l.startsWith(u"SANGRIA"_s))
            sangria << l.simplified();
    QCOMPARE(sangria, QStringList{u"SANGRIA 0,00 0,00 100,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 100,00"_s});
    QVERIFY(r.out.contains(u"\nTotal R$ : 1.315,25\n"_s));

    QFile table(csv);
    QVERIFY(table.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(table.readAll().mid(3)).split(u"\r\n"_s);
    QCOMPARE(rows.value(0).split(u';').size(), 14);
    QCOMPARE(rows.value(8),
             u"Total R$;200,00;200,00;300,00;130,00;0,00;345,25;0,00;0,00;0,00;0,00;60,00;80,00;1315,25"_s);
    QFile document(pdf);
    QVERIFY(document.open(QIODevice::ReadOnly));
    QVERIFY(document.read(5) == "%PDF-");
}

void TestAnnualCli::shouldRefuseBadOptions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("end before start") << QStringList{u"--de"_s, u"2025-12-31"_s, u"--ate"_s, u"2025-01-01"_s}
                                      << u"A Data Inicial não pode ser maior que a Data Final !!!"_s;
    QTest::newRow("no end") << QStringList{u"--de"_s, u"2025-01-01"_s} << u"Informe --ate AAAA-MM-DD"_s;
    QTest::newRow("unknown option") << QStringList{u"--de"_s,       u"2025-01-01"_s, u"--ate"_s,
                                                   u"2025-12-31"_s, u"--xls"_s,      u"a.xls"_s}
                                    << u"Opção desconhecida: --xls"_s;
}

void TestAnnualCli::shouldRefuseBadOptions()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);

    const Run r = run(QStringList{u"anual"_s} + args + QStringList{u"--ini"_s, m_ini});

    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.err.trimmed(), message);
    QVERIFY(r.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestAnnualCli)
#include "tst_annualcli.moc"
