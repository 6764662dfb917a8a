#pragma once

#include <QDateTime>

// Source of the current time. Shift lookup and the late-night dating of entries depend on it,
// so tests replace it with a fixed clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    QTime time() const { return now().time(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
