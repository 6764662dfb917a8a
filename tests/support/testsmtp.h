#pragma once

#include "output/mailsender.h"

#include <QJsonObject>
#include <QString>

// The SMTP server that ./run test starts (tests/support/smtpserver.py): listeners "plain",
// "starttls" and "tls", login caixa/segredo, each accepted mail saved with a JSON summary
// (mail_from, rcpt_tos, from, to, subject, x_priority, html, attachments[{filename,
// disposition, description, sha256, size}]).
namespace testsmtp {

bool configured();
MailAccount account(const QString& listener = QStringLiteral("plain"));
// Settings lines for [GERAL] that point the program's standard account at the plain listener.
QByteArray geralSettings();
// Waits up to `ms` for the mail whose subject is `subject`; an empty object when none came.
QJsonObject delivered(const QString& subject, int ms = 10000);
// Every mail received so far, oldest first.
QList<QJsonObject> all();
// A loopback port where nothing listens.
int closedPort();

} // namespace testsmtp

#define REQUIRE_TEST_SMTP()                                                                                            \
    do {                                                                                                               \
        if (!testsmtp::configured()) {                                                                                 \
            if (qEnvironmentVariable("CI") == QLatin1String("true"))                                                   \
                QFAIL("Servidor SMTP de teste não configurado; rode ./run test");                                      \
            QSKIP("Servidor SMTP de teste não configurado; rode ./run test");                                          \
        }                                                                                                              \
    } while (false)
