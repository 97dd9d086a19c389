#include "board/PlayClock.h"

#include <algorithm>

namespace velin {

void PlayClock::Start(int32_t now)
{
    ClockStarted = QStringLiteral("Off");
    SolveStartTime = now;
}

PlayClock::Display PlayClock::Tick(int32_t now, int32_t carriedSeconds, const QString& solveMode,
                                   const QString& jobMode, bool minimised)
{
    if (solveMode != QLatin1String("Man"))
        return {};
    if (ClockStarted == QLatin1String("Off")) {
        ClockStarted = QStringLiteral("On");
        ClockBlink = QStringLiteral("Off");
    }
    return ShowPlayTime(now, carriedSeconds, solveMode, jobMode, minimised);
}

PlayClock::Display PlayClock::ShowPlayTime(int32_t now, int32_t carriedSeconds, const QString& solveMode,
                                           const QString& jobMode, bool minimised)
{
    ElapsedSeconds = Elapsed(now, SolveStartTime, carriedSeconds);
    Display display;
    if (jobMode == QLatin1String("Reference_Ok"))
        return display;
    if (solveMode == QLatin1String("Man") && minimised) {
        // The time spent minimised does not count.
        ++SolveStartTime;
        return display;
    }
    display.Show = true;
    if (ClockBlink == QLatin1String("On"))
        display.Erase = Join(ClockText);
    else
        display.Erase = OnScreen;
    ClockBlink = QStringLiteral("On");
    ClockText = Fields(ElapsedSeconds);
    display.Text = Join(ClockText);
    OnScreen = display.Text;
    return display;
}

int32_t PlayClock::Elapsed(int32_t now, int32_t solveStartTime, int32_t carriedSeconds)
{
    int64_t time = now;
    if (time < solveStartTime)
        time += kSecondsPerDay;
    const int64_t elapsed = time + carriedSeconds - solveStartTime;
    return static_cast<int32_t>(std::clamp<int64_t>(elapsed, 0, INT32_MAX));
}

std::array<QString, 3> PlayClock::Fields(int32_t elapsedSeconds)
{
    const int32_t elapsed = std::max<int32_t>(elapsedSeconds, 0);
    const auto twoDigits = [](int32_t value) { return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0')); };
    return {twoDigits(elapsed / 3600), twoDigits(elapsed / 60 % 60), twoDigits(elapsed % 60)};
}

QString PlayClock::Text(int32_t elapsedSeconds)
{
    return Join(Fields(elapsedSeconds));
}

QString PlayClock::Join(const std::array<QString, 3>& fields)
{
    return fields[0] + u':' + fields[1] + u':' + fields[2];
}

} // namespace velin
