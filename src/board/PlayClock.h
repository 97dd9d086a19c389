#pragma once
// The play clock: the seconds spent on the puzzle since Start, plus those
// carried over from a suspended puzzle, shown as h:m:s. It reads the time of
// day in whole seconds, so it survives midnight by adding a day to a time that
// went backwards, and it stands still while the board is minimised by moving
// its start time on with every tick.
#include <QString>
#include <array>
#include <cstdint>

namespace velin {

class PlayClock {
public:
    static constexpr int32_t kSecondsPerDay = 86400;

    // Whole seconds since midnight when the play or the solver run started.
    int32_t SolveStartTime = 0;
    // The seconds shown by the clock.
    int32_t ElapsedSeconds = 0;
    // "Off" at Start; the first tick sets it "On".
    QString ClockStarted = QStringLiteral("Off");
    // "Off" until the clock has printed once, then "On".
    QString ClockBlink = QStringLiteral("Off");
    // Hours, minutes and seconds last printed.
    std::array<QString, 3> ClockText;
    // The time standing on the board now: printed and neither erased nor
    // wiped by a new drawing of the board (BoardRedrawn). A Start on a
    // finished puzzle resets the blink state while the old time still
    // stands there; it is erased all the same, not overprinted.
    QString OnScreen;

    // The board was drawn afresh: no time stands on it.
    void BoardRedrawn() { OnScreen.clear(); }

    // What ShowPlayTime asks the form to print at the clock's place.
    struct Display {
        bool Show = false;
        // Print this first in the background colour (the previous time); empty
        // the first time.
        QString Erase;
        // Then print this in the clock's colour.
        QString Text;
    };

    // Start: the clock counts from `now`, and the next tick is the first.
    void Start(int32_t now);
    // The timer tick: only in "Man" mode; the first tick after Start resets
    // the blink state, then the time is shown.
    Display Tick(int32_t now, int32_t carriedSeconds, const QString& solveMode, const QString& jobMode, bool minimised);
    // Updates ElapsedSeconds and says what to print (nothing in a
    // "Reference_Ok" job, nothing while minimised in "Man" mode).
    Display ShowPlayTime(int32_t now, int32_t carriedSeconds, const QString& solveMode, const QString& jobMode,
                         bool minimised);

    // now + carried - start, with a day added to `now` when it lies before
    // the start (midnight has passed); never below zero or above 32 bits.
    static int32_t Elapsed(int32_t now, int32_t solveStartTime, int32_t carriedSeconds);
    // Hours (any width), minutes and seconds, each at least two digits.
    static std::array<QString, 3> Fields(int32_t elapsedSeconds);
    // "h:m:s", as "00:02:05" or "100:00:00".
    static QString Text(int32_t elapsedSeconds);
    static QString Join(const std::array<QString, 3>& fields);
};

} // namespace velin
