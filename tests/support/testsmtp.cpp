#include "testsmtp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace testsmtp {

bool configured()
{
    return !qEnvironmentVariable("CAIXA_TEST_SMTP_PLAIN_PORT").isEmpty();
}

MailAccount account(const QString& listener)
{
    MailAccount a;
    a.host = u"127.0.0.1"_s;
    a.username = u"caixa"_s;
    a.password = u"segredo"_s;
    a.from = u"caixa@loja.example"_s;
    a.caFile = qEnvironmentVariable("CAIXA_TEST_SMTP_CA");
    a.ssl = listener == u"tls"_s;
    a.tls = listener == u"starttls"_s;
    a.port = qEnvironmentVariable(listener == u"tls"_s        ? "CAIXA_TEST_SMTP_TLS_PORT"
                                  : listener == u"starttls"_s ? "CAIXA_TEST_SMTP_STARTTLS_PORT"
                                                              : "CAIXA_TEST_SMTP_PLAIN_PORT")
                 .toInt();
    return a;
}

QByteArray geralSettings()
{
    return "SMTPSERVIDOR=127.0.0.1\nSMTPUSUARIO=caixa\nSMTPSENHA=segredo\nSMTPREMETENTE=caixa@loja.example\n"
           "SSL=0\nTLS=0\nPORTA=" +
           qgetenv("CAIXA_TEST_SMTP_PLAIN_PORT") + "\n";
}

QList<QJsonObject> all()
{
    const QDir dir(qEnvironmentVariable("CAIXA_TEST_SMTP_MAILDIR"));
    QList<QJsonObject> out;
    for (const QString& name : dir.entryList({u"*.json"_s}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            out << QJsonDocument::fromJson(f.readAll()).object();
    }
    return out;
}

QJsonObject delivered(const QString& subject, int ms)
{
    QElapsedTimer t;
    t.start();
    do {
        for (const QJsonObject& o : all())
            if (o.value(u"subject"_s).toString() == subject)
                return o;
        QTest::qWait(50);
    } while (t.elapsed() < ms);
    return {};
}

int closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace testsmtp
