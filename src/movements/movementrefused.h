#pragma once

#include "app/messagesink.h"

#include <QString>

#include <stdexcept>

// A movement that may not be stored as asked (the operator is no active employee, the shift
// was opened meanwhile by another workstation). Nothing was written; the message is for the
// user.
class MovementRefused : public std::runtime_error {
public:
    explicit MovementRefused(const QString& message, MessageSink::Kind kind = MessageSink::Kind::Warning)
        : std::runtime_error(message.toStdString())
        , m_message(message)
        , m_kind(kind)
    {
    }
    const QString& message() const { return m_message; }
    MessageSink::Kind kind() const { return m_kind; }

private:
    QString m_message;
    MessageSink::Kind m_kind;
};

// The shift already has an open session of today (found when saving: another workstation
// opened it meanwhile).
class ShiftStillOpen : public MovementRefused {
public:
    using MovementRefused::MovementRefused;
};
