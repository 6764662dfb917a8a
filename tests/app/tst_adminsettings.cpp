#include "app/adminsettings.h"
#include "app/inifile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAdminSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shouldUseDefaultsWithoutFile();
    void shouldReadFlagsExactly_data();
    void shouldReadFlagsExactly();
    void shouldKeepValuesVerbatim();
    void shouldReadWindowsNotepadFile();
    void shouldReadUtf8FileWithBom();
    void shouldTakeDatabaseAccountsFromFileOrDefaults();
    void shouldFallBackToDefaultForBadPort();
};

void TestAdminSettings::shouldUseDefaultsWithoutFile()
{
    QTemporaryDir dir;
    const AdminSettings s = AdminSettings::readFile(dir.filePath(u"Admin.ini"_s));
    QCOMPARE(s.NumCaixa, u"001"_s);
    QCOMPARE(s.TEMPCAIXA, u"C:\\temp"_s);
    QCOMPARE(s.PERMISSAOCAIXA01, u"GERENCIAL"_s);
    QCOMPARE(s.PERMISSAOCAIXA02, u"GERENCIAL"_s);
    QCOMPARE(s.PORTA, u"465"_s);
    QVERIFY(s.SSL);
    QVERIFY(s.TLS);
    QCOMPARE(s.SENHACAIXA, u"BRAVO"_s);
    QCOMPARE(s.IMPRIMIR, u"A"_s);
    QCOMPARE(s.FILTRORELATORIOFISCAL, u"N"_s);
    QCOMPARE(s.NAOSAIFECHAMENTOCAIXANFE, u"S"_s);
    QCOMPARE(s.DATAPIXCAIXA, u"N"_s);
    QCOMPARE(s.CAIXATURNO, u"N"_s);
    QVERIFY(s.mailEnabled());
    QVERIFY(s.EMAIL1.isEmpty() && s.NAOHABILITADO01.isEmpty() && s.DATAPIX.isEmpty());
    QCOMPARE(s.local.PORTA, 0);
    QVERIFY(s.local.SERVIDOR.isEmpty() && s.local.BANCO.isEmpty());
    QVERIFY(s.SMTPSERVIDOR.isEmpty() && s.SMTPSENHA.isEmpty());
}

void TestAdminSettings::shouldReadFlagsExactly_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("ssl");
    QTest::addColumn<bool>("tls");
    QTest::addColumn<bool>("mail");

    QTest::newRow("SSL 1") << QByteArray("SSL=1") << true << true << true;
    QTest::newRow("SSL true") << QByteArray("SSL=true") << false << true << true;
    QTest::newRow("SSL S") << QByteArray("SSL=S") << false << true << true;
    QTest::newRow("SSL empty") << QByteArray("SSL=") << false << true << true;
    QTest::newRow("TLS 0") << QByteArray("TLS=0") << true << false << true;
    QTest::newRow("TLS True") << QByteArray("TLS=True") << true << false << true;
    QTest::newRow("ENVIAEMAIL s") << QByteArray("ENVIAEMAIL=s") << true << true << false;
    QTest::newRow("ENVIAEMAIL N") << QByteArray("ENVIAEMAIL=N") << true << true << false;
    QTest::newRow("ENVIAEMAIL empty") << QByteArray("ENVIAEMAIL=") << true << true << false;
    QTest::newRow("ENVIAEMAIL S") << QByteArray("ENVIAEMAIL=S") << true << true << true;
}

void TestAdminSettings::shouldReadFlagsExactly()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, ssl);
    QFETCH(bool, tls);
    QFETCH(bool, mail);
    const AdminSettings s = AdminSettings::read(IniFile::fromBytes("[GERAL]\n" + line + "\n"));
    QCOMPARE(s.SSL, ssl);
    QCOMPARE(s.TLS, tls);
    QCOMPARE(s.mailEnabled(), mail);
}

void TestAdminSettings::shouldKeepValuesVerbatim()
{
    const QByteArray file = "[GERAL]\n"
                            "TEMPCAIXA=C:\\temp\n"
                            "EMAIL1=dono@loja.com.br,gerente@loja.com.br\n"
                            "EMAIL2=a@b.com;c@d.com|e@f.com\n"
                            "CONTATO1=Dono; da loja\n"
                            "NAOHABILITADO01= MARIA \n"
                            "[LOCAL]\n"
                            "DATAPIX=01/02/2026\n"
                            "SENHACAIXA=\"se nha\"\n";
    const AdminSettings s = AdminSettings::read(IniFile::fromBytes(file));
    QCOMPARE(s.TEMPCAIXA, u"C:\\temp"_s);
    QCOMPARE(s.EMAIL1, u"dono@loja.com.br,gerente@loja.com.br"_s);
    QCOMPARE(s.EMAIL2, u"a@b.com;c@d.com|e@f.com"_s);
    QCOMPARE(s.CONTATO1, u"Dono; da loja"_s);
    QCOMPARE(s.NAOHABILITADO01, u"MARIA"_s);
    QCOMPARE(s.DATAPIX, u"01/02/2026"_s);
    QCOMPARE(s.SENHACAIXA, u"se nha"_s);
}

void TestAdminSettings::shouldReadWindowsNotepadFile()
{
    // Windows-1252, CRLF, sections and keys in other letter cases.
    const QByteArray file = "[Geral]\r\n"
                            "contato1=Jo\xE3o Concei\xE7\xE3o\r\n"
                            "Email1=joao@loja.com.br\r\n"
                            "TempCaixa=D:\\Relat\xF3rios\\Caixa\r\n"
                            "[local]\r\n"
                            "numcaixa=002\r\n"
                            "SERVIDOR=192.0.2.10\r\n"
                            "PORTA=3307\r\n";
    const AdminSettings s = AdminSettings::read(IniFile::fromBytes(file));
    QCOMPARE(s.CONTATO1, u"João Conceição"_s);
    QCOMPARE(s.EMAIL1, u"joao@loja.com.br"_s);
    QCOMPARE(s.TEMPCAIXA, u"D:\\Relatórios\\Caixa"_s);
    QCOMPARE(s.NumCaixa, u"002"_s);
    QCOMPARE(s.local.SERVIDOR, u"192.0.2.10"_s);
    QCOMPARE(s.local.PORTA, 3307);
}

void TestAdminSettings::shouldReadUtf8FileWithBom()
{
    const QByteArray file = "\xEF\xBB\xBF[GERAL]\nCONTATO2=Reforço Ação\n";
    QCOMPARE(AdminSettings::read(IniFile::fromBytes(file)).CONTATO2, u"Reforço Ação"_s);
}

void TestAdminSettings::shouldTakeDatabaseAccountsFromFileOrDefaults()
{
    const AdminSettings defaults = AdminSettings::read(IniFile::fromBytes("[LOCAL]\nBANCO=loja\n"));
    QCOMPARE(defaults.local.USUARIO, u"root"_s);
    QCOMPARE(defaults.local.SENHA, u"tev5183"_s);
    QCOMPARE(defaults.loja.USUARIO, u"root"_s);
    QCOMPARE(defaults.email.SENHA, u"Marrecos4762"_s);
    QVERIFY(!defaults.email.USUARIO.isEmpty());

    const AdminSettings own = AdminSettings::read(
        IniFile::fromBytes("[LOCAL]\nUSUARIO=caixa\nSENHA=s3cr,et\n[EMAIL]\nUSUARIO=relatorios\nSENHA=outra\n"));
    QCOMPARE(own.local.USUARIO, u"caixa"_s);
    QCOMPARE(own.local.SENHA, u"s3cr,et"_s);
    QCOMPARE(own.loja.USUARIO, u"root"_s);
    QCOMPARE(own.email.USUARIO, u"relatorios"_s);
    QCOMPARE(own.email.SENHA, u"outra"_s);
}

void TestAdminSettings::shouldFallBackToDefaultForBadPort()
{
    const AdminSettings s = AdminSettings::read(IniFile::fromBytes("[LOCAL]\nPORTA=abc\n[LOJA]\nPORTA=3306\n"));
    QCOMPARE(s.local.PORTA, 0);
    QCOMPARE(s.loja.PORTA, 3306);
}

QTEST_GUILESS_MAIN(TestAdminSettings)
#include "tst_adminsettings.moc"
