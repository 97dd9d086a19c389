#include "board/PlayClock.h"

#include <gtest/gtest.h>

using namespace velin;

namespace {
const QString kMan = QStringLiteral("Man");
}

TEST(PlayClock, TextHasTwoDigitFieldsAndHoursOfAnyWidth)
{
    EXPECT_EQ(PlayClock::Text(0), "00:00:00");
    EXPECT_EQ(PlayClock::Text(125), "00:02:05");
    EXPECT_EQ(PlayClock::Text(3661), "01:01:01");
    EXPECT_EQ(PlayClock::Text(10 * 3600), "10:00:00");
    EXPECT_EQ(PlayClock::Text(100 * 3600 + 59), "100:00:59");
    EXPECT_EQ(PlayClock::Text(-5), "00:00:00");
}

TEST(PlayClock, ElapsedAcrossMidnight)
{
    EXPECT_EQ(PlayClock::Elapsed(86399, 86390, 0), 9);
    EXPECT_EQ(PlayClock::Elapsed(10, 86390, 0), 20);
    EXPECT_EQ(PlayClock::Elapsed(10, 86390, 125), 145);
    EXPECT_EQ(PlayClock::Elapsed(100, 100, INT32_MAX), INT32_MAX);
}

TEST(PlayClock, TicksPrintAndEraseTheTime)
{
    PlayClock clock;
    clock.ClockBlink = QStringLiteral("On"); // left over from an earlier play
    clock.Start(86395);
    EXPECT_EQ(clock.ClockStarted, "Off");

    // The first tick prints without erasing anything.
    PlayClock::Display first = clock.Tick(86399, 0, kMan, QString(), false);
    EXPECT_EQ(clock.ClockStarted, "On");
    EXPECT_TRUE(first.Show);
    EXPECT_EQ(first.Erase, "");
    EXPECT_EQ(first.Text, "00:00:04");
    EXPECT_EQ(clock.ClockBlink, "On");

    // Across midnight the time runs on, and the previous text is erased first.
    PlayClock::Display next = clock.Tick(3, 0, kMan, QString(), false);
    EXPECT_EQ(next.Erase, "00:00:04");
    EXPECT_EQ(next.Text, "00:00:08");
    EXPECT_EQ(clock.ElapsedSeconds, 8);
    EXPECT_EQ(clock.ClockText[2], "08");

    // The timer does nothing outside a person's play.
    EXPECT_FALSE(clock.Tick(5, 0, QStringLiteral("Pc"), QString(), false).Show);

    // Start again on the finished puzzle: its time still stands on the
    // board and is erased before the new one is printed.
    clock.Start(10);
    EXPECT_EQ(clock.Tick(11, 0, kMan, QString(), false).Erase, "00:00:08");
    // A board drawn afresh has no time on it to erase.
    clock.BoardRedrawn();
    clock.Start(20);
    EXPECT_EQ(clock.Tick(21, 0, kMan, QString(), false).Erase, "");
}

TEST(PlayClock, CarriedSecondsFromARestore)
{
    PlayClock clock;
    clock.Start(1000);
    EXPECT_EQ(clock.Tick(1010, 125, kMan, QString(), false).Text, "00:02:15");
}

TEST(PlayClock, MinimisedTimeDoesNotCount)
{
    PlayClock clock;
    clock.Start(5000);
    clock.Tick(5001, 0, kMan, QString(), false);
    for (int t = 5002; t < 5062; ++t)
        EXPECT_FALSE(clock.Tick(t, 0, kMan, QString(), true).Show);
    EXPECT_EQ(clock.Tick(5062, 0, kMan, QString(), false).Text, "00:00:02");

    // The solver's clock runs on while minimised.
    PlayClock solver;
    solver.Start(5000);
    EXPECT_EQ(solver.ShowPlayTime(5030, 0, QStringLiteral("Pc"), QString(), true).Text, "00:00:30");
}

TEST(PlayClock, ReferenceJobShowsNothing)
{
    PlayClock clock;
    clock.Start(100);
    const PlayClock::Display display = clock.ShowPlayTime(160, 0, QStringLiteral("Pc"), "Reference_Ok", false);
    EXPECT_FALSE(display.Show);
    EXPECT_EQ(clock.ElapsedSeconds, 60);
    EXPECT_EQ(clock.ClockBlink, "Off");
}
