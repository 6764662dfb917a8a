#pragma once

#include "app/messagesink.h"

class QWidget;

// Message boxes for the core's messages.
class WidgetMessageSink final : public MessageSink {
public:
    void show(Kind kind, const QString& title, const QString& text) override;
    bool ask(const QString& title, const QString& text) override;
};
