#pragma once

#include "mailmessage.h"

#include <QString>

#include <stdexcept>

struct AdminSettings;

// The account a mail is sent through.
struct MailAccount {
    QString host;
    int port = 465;
    QString username;
    QString password;
    QString from;
    bool ssl = true; // TLS from the first byte (smtps)
    bool tls = true; // STARTTLS on a plain connection, required
    QString caFile;  // extra trusted certificates (PEM); empty: the system's
    int connectTimeoutSeconds = 10;
    int totalTimeoutSeconds = 60;
    int attempts = 3;

    // The standard account: server, user, password and sender from [GERAL], port and
    // security from PORTA, SSL and TLS.
    static MailAccount fromSettings(const AdminSettings& settings);
    // The account of the pending-closing window: the same server, SSL and TLS on, port 465.
    static MailAccount pendingClosingAccount(const AdminSettings& settings);
};

// A mail that could not be sent; the message is for the user.
class MailError : public std::runtime_error {
public:
    explicit MailError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Sends mails; tests of windows may replace it.
class MailTransport {
public:
    virtual ~MailTransport() = default;
    // Blocks until the mail is accepted by the server; throws MailError otherwise.
    virtual void send(const MailAccount& account, const MailMessage& message) = 0;
};

// SMTP through libcurl, with up to `attempts` tries and connect/total timeouts.
class CurlMailTransport final : public MailTransport {
public:
    void send(const MailAccount& account, const MailMessage& message) override;
};

// The process-wide transport used by the windows.
MailTransport& defaultMailTransport();
void setDefaultMailTransport(MailTransport* transport);
