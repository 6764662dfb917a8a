#include "app/adminsettings.h"
#include "app/inifile.h"
#include "output/mailsender.h"
#include "output/ui/mailsending.h"

#include "support/testsmtp.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

using testsmtp::account;
using testsmtp::closedPort;
using testsmtp::delivered;

} // namespace

class TestMailSender : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shouldComposeNotificationBody();
    void shouldTakeRecipientsFromSettings_data();
    void shouldTakeRecipientsFromSettings();
    void shouldTakeAccountFromSettings();
    void shouldDeliverOverEachSecurity_data();
    void shouldDeliverOverEachSecurity();
    void shouldFailWithinTimeoutWhenServerIsDown();
    void shouldRefuseWithoutServerConfigured();
    void shouldNotRetryARefusedPassword();
    void shouldSendOffTheWindowThread();
};

void TestMailSender::shouldComposeNotificationBody()
{
    const QStringList body =
        mail::notificationBody(u"BOA VISTA"_s, u"<h3>Sangria no Caixa</h3>"_s,
                               {{u"Valor"_s, u"30,00"_s}, {u"Motivo"_s, u"Cofre"_s}, {u"Usuário"_s, u"GERENTE"_s}});
    QCOMPARE(body.size(), 3 + 7 + 3 * 8);
    QCOMPARE(body.at(0), u"<html>\r\n<head>\r\n\r\n  <meta http-equiv=\"content-type\" content=\"text/html; "
                         "charset=UTF-8\">\r\n</head>\r\n<body text=\"#000000\" bgcolor=\"#FFFFFF\">\r\n"_s);
    QCOMPARE(body.at(1), u"<p><b>LOJA BOA VISTA</b></p>"_s);
    QCOMPARE(body.at(2), u"<h3>Sangria no Caixa</h3>"_s);
    QCOMPARE(body.mid(3, 7), (QStringList{u"<table>"_s, u"<tr>"_s, u"<td colspan='2'>"_s, u"</table>"_s, u"<br />"_s,
                                          u"</body>\r\n</html>\r\n"_s, u"<table>"_s}));
    QCOMPARE(body.mid(10, 8),
             (QStringList{u"<tr style='background-color:#D3D3D3;'>"_s, u"<th align='left'>"_s, u"Valor"_s, u"</th>"_s,
                          u"<td align='Right'>"_s, u"30,00"_s, u"</td>"_s, u"</tr>"_s}));
    QCOMPARE(body.at(18), u"<tr style='background-color:#FFFFFF;'>"_s);
    QCOMPARE(body.at(26), u"<tr style='background-color:#D3D3D3;'>"_s);
    QCOMPARE(body.last(), u"</tr>"_s);
}

void TestMailSender::shouldTakeRecipientsFromSettings_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("three") << QByteArray(
                                  "EMAIL1=a@x.com\nCONTATO1=Ana\nEMAIL2=b@x.com\nEMAIL3=c@x.com\nCONTATO3=Caio\n")
                           << QStringList{u"Ana <a@x.com>"_s, u" <b@x.com>"_s, u"Caio <c@x.com>"_s};
    QTest::newRow("second empty") << QByteArray("EMAIL1=a@x.com\nCONTATO2=Bia\nEMAIL3=c@x.com\n")
                                  << QStringList{u" <a@x.com>"_s, u" <c@x.com>"_s};
    QTest::newRow("semicolon first") << QByteArray("EMAIL1=a@x.com; b@x.com,c@x.com\n")
                                     << QStringList{u" <a@x.com>"_s, u" <b@x.com,c@x.com>"_s};
    QTest::newRow("comma") << QByteArray("EMAIL1=a@x.com,b@x.com|c@x.com\n")
                           << QStringList{u" <a@x.com>"_s, u" <b@x.com|c@x.com>"_s};
    QTest::newRow("bar") << QByteArray("EMAIL2=a@x.com|b@x.com\n") << QStringList{u" <a@x.com>"_s, u" <b@x.com>"_s};
    QTest::newRow("named list") << QByteArray("EMAIL1=a@x.com;b@x.com\nCONTATO1=Dono\n")
                                << QStringList{u"Dono <a@x.com>"_s, u"Dono <b@x.com>"_s};
    QTest::newRow("none") << QByteArray("CONTATO1=Ana\n") << QStringList{};
}

void TestMailSender::shouldTakeRecipientsFromSettings()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, expected);
    const AdminSettings s = AdminSettings::read(IniFile::fromBytes("[GERAL]\n" + ini));
    QStringList got;
    for (const auto& r : mail::recipientsFromSettings(s))
        got << r.name + u" <"_s + r.address + u'>';
    QCOMPARE(got, expected);
}

void TestMailSender::shouldTakeAccountFromSettings()
{
    const AdminSettings s = AdminSettings::read(IniFile::fromBytes(
        "[GERAL]\nSMTPSERVIDOR=smtp.loja.example\nSMTPUSUARIO=avisos@loja.example\nSMTPSENHA=x\nPORTA=587\n"
        "SSL=0\nTLS=1\n"));
    const MailAccount a = MailAccount::fromSettings(s);
    QCOMPARE(a.host, u"smtp.loja.example"_s);
    QCOMPARE(a.port, 587);
    QCOMPARE(a.from, u"avisos@loja.example"_s);
    QVERIFY(!a.ssl);
    QVERIFY(a.tls);
    const MailAccount pending = MailAccount::pendingClosingAccount(s);
    QCOMPARE(pending.port, 465);
    QVERIFY(pending.ssl && pending.tls);
}

void TestMailSender::shouldDeliverOverEachSecurity_data()
{
    QTest::addColumn<QString>("listener");
    QTest::newRow("plain") << u"plain"_s;
    QTest::newRow("starttls") << u"starttls"_s;
    QTest::newRow("implicit tls") << u"tls"_s;
}

void TestMailSender::shouldDeliverOverEachSecurity()
{
    REQUIRE_TEST_SMTP();
    QFETCH(QString, listener);
    const QString subject = u"Sangria no Caixa – Loja São João (%1)"_s.arg(listener);
    QTemporaryDir dir;
    const QString attachment = dir.filePath(u"relatoriocaixa.txt"_s);
    {
        QFile f(attachment);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("CAIXA DIÁRIO\r\nDinheiro      1.234,50\r\n");
    }

    MailMessage m;
    m.fromName = u"Caixa da Loja"_s;
    m.subject = subject;
    m.priority = MailMessage::Priority::High;
    m.recipients = {{u"Márcia"_s, u"gerente@loja.example"_s}, {QString(), u"dono@loja.example"_s}};
    m.body = mail::notificationBody(u"BOA VISTA"_s, u"<h3>Sangria</h3>"_s, {{u"Valor"_s, u"30,00"_s}});
    m.attachments = {{attachment, u"Relatório do caixa"_s, true}};
    CurlMailTransport().send(account(listener), m);

    const QJsonObject got = delivered(subject);
    QVERIFY2(!got.isEmpty(), "mail not delivered");
    QCOMPARE(got.value(u"listener"_s).toString(), listener);
    QCOMPARE(got.value(u"mail_from"_s).toString(), u"caixa@loja.example"_s);
    QCOMPARE(got.value(u"rcpt_tos"_s).toArray().toVariantList(),
             (QVariantList{u"gerente@loja.example"_s, u"dono@loja.example"_s}));
    QVERIFY(got.value(u"to"_s).toString().contains(u"Márcia"_s));
    QCOMPARE(got.value(u"x_priority"_s).toString(), u"1"_s);
    QCOMPARE(got.value(u"html"_s).toString(), m.body.join(u"\r\n"_s));
    QCOMPARE(got.value(u"tls"_s).toBool(), listener != u"plain"_s);
    if (listener != u"plain"_s)
        QVERIFY(got.value(u"authenticated"_s).toBool());
    const QJsonArray attachments = got.value(u"attachments"_s).toArray();
    QCOMPARE(attachments.size(), 1);
    QFile f(attachment);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QJsonObject a = attachments.first().toObject();
    QCOMPARE(a.value(u"sha256"_s).toString(),
             QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex()));
    QCOMPARE(a.value(u"filename"_s).toString(), u"relatoriocaixa.txt"_s);
    QCOMPARE(a.value(u"disposition"_s).toString(), u"inline"_s);
    QCOMPARE(a.value(u"description"_s).toString(), u"Relatório do caixa"_s);
}

void TestMailSender::shouldFailWithinTimeoutWhenServerIsDown()
{
    MailAccount a = account(u"plain"_s);
    a.port = closedPort();
    MailMessage m;
    m.subject = u"nada"_s;
    m.recipients = {{QString(), u"x@loja.example"_s}};
    QElapsedTimer t;
    t.start();
    try {
        CurlMailTransport().send(a, m);
        QFAIL("no error");
    } catch (const MailError& e) {
        QVERIFY2(e.message().startsWith(
                     u"Não foi possível conectar ao servidor de e-mail 127.0.0.1, porta %1."_s.arg(a.port)),
                 qPrintable(e.message()));
    }
    QVERIFY2(t.elapsed() < a.connectTimeoutSeconds * 1000, qPrintable(QString::number(t.elapsed())));
}

void TestMailSender::shouldRefuseWithoutServerConfigured()
{
    const MailAccount a = MailAccount::fromSettings(AdminSettings());
    MailMessage m;
    m.recipients = {{QString(), u"x@loja.example"_s}};
    try {
        CurlMailTransport().send(a, m);
        QFAIL("no error");
    } catch (const MailError& e) {
        QVERIFY(e.message().contains(u"SMTPSERVIDOR"_s));
    }
}

void TestMailSender::shouldNotRetryARefusedPassword()
{
    REQUIRE_TEST_SMTP();
    MailAccount a = account(u"starttls"_s);
    a.password = u"errada"_s;
    MailMessage m;
    m.subject = u"senha errada"_s;
    m.recipients = {{QString(), u"x@loja.example"_s}};
    try {
        CurlMailTransport().send(a, m);
        QFAIL("no error");
    } catch (const MailError& e) {
        QVERIFY2(e.message().contains(u"recusou o usuário ou a senha"_s), qPrintable(e.message()));
        QVERIFY(!e.message().contains(u"errada"_s));
    }
}

void TestMailSender::shouldSendOffTheWindowThread()
{
    REQUIRE_TEST_SMTP();
    MailMessage m;
    m.subject = u"Abertura do Caixa"_s;
    m.recipients = {{QString(), u"x@loja.example"_s}};
    m.body = {u"<p>ok</p>"_s};
    QWidget window;
    window.show();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(1);
    sendMailWhileBusy(&window, account(u"plain"_s), m);
    QVERIFY(!delivered(u"Abertura do Caixa"_s).isEmpty());

    MailAccount down = account(u"plain"_s);
    down.port = closedPort();
    QVERIFY_THROWS_EXCEPTION(MailError, sendMailWhileBusy(&window, down, m));
    QVERIFY2(ticks > 0, "the event loop did not run while sending");
}

QTEST_MAIN(TestMailSender)
#include "tst_mailsender.moc"
