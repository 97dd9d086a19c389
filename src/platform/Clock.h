#pragma once
#include <QString>

namespace velin {

// The time of day, as the game reads it: seconds since midnight (wrapping at
// midnight), and a blocking pause.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since midnight with fraction.
    virtual double Timer() const = 0;
    // The time of day as text, for the batch check's start and end times.
    virtual QString TimeText() const = 0;
    virtual void Sleep(int milliseconds) = 0;

    // Whole seconds since midnight, rounded to the nearest second.
    long SecondsOfDay() const;
};

class SystemClock final : public Clock {
public:
    double Timer() const override;
    QString TimeText() const override;
    void Sleep(int milliseconds) override;
};

} // namespace velin
