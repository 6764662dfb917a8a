#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

struct AdminSettings;

struct MailRecipient {
    QString name;
    QString address;
    bool operator==(const MailRecipient&) const = default;
};

struct MailAttachment {
    QString fileName;
    QString description;
    bool inlineDisposition = false;
};

// One mail as the callers fill it: HTML body lines, recipients, at most one attachment.
struct MailMessage {
    enum class Priority { Normal, High };

    QString from;
    QString fromName;
    QString subject;
    Priority priority = Priority::Normal;
    QList<MailRecipient> recipients;
    QStringList body; // one item per line; the mail is HTML only
    QList<MailAttachment> attachments;

    // RFC 5322 text of the mail (UTF-8 body, encoded headers, CRLF line ends).
    // Throws std::runtime_error when an attachment cannot be read.
    QByteArray toMime(const QDateTime& date = QDateTime::currentDateTime()) const;
};

namespace mail {

// EMAIL1/CONTATO1 .. EMAIL3/CONTATO3, each only when its address is not empty. An address
// text holding several addresses is split at ";" (when it has one), else at ",", else at "|".
QList<MailRecipient> recipientsFromSettings(const AdminSettings& settings);
QList<MailRecipient> splitRecipients(const QString& addressText, const QString& name);

// Body of every notice: the head block, the store line, the caller's heading and a table of
// label/value rows with alternating backgrounds.
QStringList notificationBody(const QString& storeName, const QString& heading,
                             const QList<QPair<QString, QString>>& rows);

// A row of a notice whose background the caller chooses ("#D3D3D3", "#FFFFFF"): some notices
// do not alternate.
struct NoticeRow {
    QString colour;
    QString label;
    QString value;
};
QStringList notificationBodyWithColours(const QString& storeName, const QString& heading, const QList<NoticeRow>& rows);

// "=?UTF-8?B?...?=" for a header text that is not plain ASCII.
QByteArray encodeHeader(const QString& text);

} // namespace mail
