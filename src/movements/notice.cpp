#include "notice.h"

#include "app/adminsettings.h"

bool noticesEnabled(const AdminSettings& settings)
{
    return isOn(settings.ENVIAEMAIL) && !settings.EMAIL1.trimmed().isEmpty();
}

MailMessage noticeMessage(const AdminSettings& settings, const QString& storeName, const QString& senderName,
                          const QString& subject, MailMessage::Priority priority, const QString& heading,
                          QList<mail::NoticeRow> rows)
{
    for (mail::NoticeRow& row : rows)
        row.value = row.value.toHtmlEscaped();
    MailMessage m;
    m.fromName = senderName;
    m.subject = subject;
    m.priority = priority;
    m.recipients = mail::recipientsFromSettings(settings);
    m.body = mail::notificationBodyWithColours(storeName.toHtmlEscaped(), heading, rows);
    return m;
}
