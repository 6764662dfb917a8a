#pragma once

#include "output/mailsender.h"

class QWidget;

// Sends a mail off the window's thread while the window stays painted and shows that it is
// working; returns when the mail is sent and throws MailError as the transport does.
void sendMailWhileBusy(QWidget* parent, const MailAccount& account, const MailMessage& message);
