#pragma once

#include "app/clock.h"
#include "app/messagesink.h"

#include <QList>
#include <QStringList>

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime now = QDateTime(QDate(2026, 3, 5), QTime(14, 10)))
        : m_now(std::move(now))
    {
    }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now; }

private:
    QDateTime m_now;
};

// Keeps every message; answers questions from a queue (yes when empty).
class RecordingMessageSink final : public MessageSink {
public:
    struct Message {
        Kind kind;
        QString title;
        QString text;
    };

    void show(Kind kind, const QString& title, const QString& text) override { messages.append({kind, title, text}); }
    bool ask(const QString& title, const QString& text) override
    {
        questions.append(title + u'|' + text);
        return answers.isEmpty() ? true : answers.takeFirst();
    }

    QStringList texts() const
    {
        QStringList out;
        for (const auto& m : messages)
            out << m.text;
        return out;
    }

    QList<Message> messages;
    QStringList questions;
    QList<bool> answers;
};
