#pragma once

#include "output/mailmessage.h"

#include <QString>

struct AdminSettings;

// Notices of the cash movements go out only with ENVIAEMAIL "S" and a first recipient.
bool noticesEnabled(const AdminSettings& settings);

// The notice as every movement sends it: standard recipients, HTML notification body.
// Values are escaped: reasons and names are typed by users.
MailMessage noticeMessage(const AdminSettings& settings, const QString& storeName, const QString& senderName,
                          const QString& subject, MailMessage::Priority priority, const QString& heading,
                          QList<mail::NoticeRow> rows);

// Row backgrounds of the notices.
inline const QString Grey = QStringLiteral("#D3D3D3");
inline const QString White = QStringLiteral("#FFFFFF");
