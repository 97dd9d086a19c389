#include "platform/Clock.h"

#include <QThread>
#include <QTime>
#include <cmath>

namespace velin {

long Clock::SecondsOfDay() const
{
    return std::lround(Timer());
}

double SystemClock::Timer() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QString SystemClock::TimeText() const
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

void SystemClock::Sleep(int milliseconds)
{
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace velin
