#include "media/SoundPlayer.h"
#include "TestPlatform.h"
#include "platform/Platform.h"

#include <QSignalSpy>
#include "QtPrinters.h"
#include <gtest/gtest.h>

using namespace velin;

namespace {

class SoundPlayerTest : public ::testing::Test {
protected:
    SoundPlayerTest()
    {
        const char* names[kSoundEvents] = {"opening", "bgm",      "start",   "end",       "stop",
                                           "entry",   "function", "correct", "uncorrect", "error"};
        for (size_t i = 0; i < kSoundEvents; ++i) {
            // A blank in the name: the commands still name the file whole.
            Shared.SoundFile[i] = files.WriteBytes(QStringLiteral("%1 sound.wav").arg(names[i]), "RIFF");
            Shared.SoundSwitch[i] = QStringLiteral("On");
        }
        Sounds().Reset();
    }
    ~SoundPlayerTest() override { Sounds().Reset(); }

    QString File(int event) const { return Shared.SoundFile[static_cast<size_t>(event)]; }
    QStringList& Log() { return platform.mci.commands; }

    test::TestPlatform platform;
    test::TempFolder files;
};

} // namespace

TEST_F(SoundPlayerTest, EventSoundClosesOpensAndPlays)
{
    Sounds().PlayEvent(SoundEntry);
    EXPECT_EQ(Log(), (QStringList{"close all", "open " + File(SoundEntry), "play " + File(SoundEntry)}));
    EXPECT_TRUE(File(SoundEntry).contains(u' '));
}

TEST_F(SoundPlayerTest, OnlyAnExactOnPlays)
{
    for (const char* sw : {"on", "ON", "Off", "", "On "}) {
        Shared.SoundSwitch[SoundError] = QString::fromLatin1(sw);
        Sounds().PlayEvent(SoundError);
        EXPECT_TRUE(Log().isEmpty()) << sw;
    }
    Sounds().PlayEvent(-1);
    Sounds().PlayEvent(kSoundEntries);
    EXPECT_TRUE(Log().isEmpty());
}

TEST_F(SoundPlayerTest, NothingPlaysWhileTheMusicLoops)
{
    Sounds().tmrSound.start();
    Sounds().PlayEvent(SoundEntry);
    Sounds().PlaySound(File(SoundCorrect));
    EXPECT_TRUE(Log().isEmpty());
}

TEST_F(SoundPlayerTest, MissingFileNamesNothingAndErrorsAreKeptOnly)
{
    Shared.SoundFile[SoundStop] = files.File(QStringLiteral("gone.wav"));
    Sounds().PlayEvent(SoundStop);
    EXPECT_EQ(Log(), (QStringList{"close all", "open ", "play "}));

    Sounds().PlayDirect(File(SoundStart));
    EXPECT_EQ(Log().last(), "play " + File(SoundStart));
    EXPECT_EQ(Log().size(), 4);
}

TEST_F(SoundPlayerTest, MusicStartsOnceAndRestartsWhenItHasStopped)
{
    const QString bgm = File(SoundBGM);
    Sounds().tmrWait.start();
    Sounds().tmrWait_Timer();
    EXPECT_EQ(Log(), (QStringList{"open " + bgm, "play " + bgm}));
    EXPECT_FALSE(Sounds().tmrWait.isActive());
    EXPECT_TRUE(Sounds().tmrSound.isActive());

    Log().clear();
    platform.mci.statusReply = QStringLiteral("playing");
    Sounds().tmrSound_Timer();
    EXPECT_EQ(Log(), (QStringList{"status " + bgm + " mode"}));
    EXPECT_EQ(platform.clock.sleptMs, 0);

    Log().clear();
    platform.mci.statusReply = QStringLiteral("stopped");
    Sounds().tmrSound_Timer();
    EXPECT_EQ(Log(), (QStringList{"status " + bgm + " mode", "close all", "open " + bgm, "play " + bgm}));
    EXPECT_EQ(platform.clock.sleptMs, 2 * Shared.SoundWaitMs);
    EXPECT_EQ(Shared.MciReply, ""); // the reply of the last command, "play"

    // With the switch no longer "On" a stopped file is left alone.
    Log().clear();
    Shared.SoundSwitch[SoundBGM] = QStringLiteral("Off");
    Sounds().tmrSound_Timer();
    EXPECT_EQ(Log(), (QStringList{"status " + bgm + " mode"}));
}

TEST_F(SoundPlayerTest, MusicMenuBothWays)
{
    const QString bgm = File(SoundBGM);
    QSignalSpy changed(&Sounds(), &SoundPlayer::BgmMenuChanged);
    Sounds().tmrSound.start();

    Sounds().BGM_On_Off_Click(0); // already On
    EXPECT_TRUE(Log().isEmpty());
    EXPECT_EQ(changed.count(), 0);

    Sounds().BGM_On_Off_Click(1);
    EXPECT_EQ(Log(), (QStringList{"close all"}));
    EXPECT_FALSE(Sounds().tmrSound.isActive());
    EXPECT_FALSE(Sounds().BgmOnChecked());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toBool(), false);

    Log().clear();
    Sounds().BGM_On_Off_Click(0);
    EXPECT_EQ(Log(), (QStringList{"close all", "open " + bgm, "play " + bgm}));
    EXPECT_EQ(platform.clock.sleptMs, 2 * Shared.SoundWaitMs);
    EXPECT_TRUE(Sounds().tmrSound.isActive());
    EXPECT_TRUE(Sounds().BgmOnChecked());
    EXPECT_EQ(changed.count(), 2);

    // Without the BGM switch the menu does nothing.
    Log().clear();
    Shared.SoundSwitch[SoundBGM] = QStringLiteral("on");
    Sounds().BGM_On_Off_Click(1);
    EXPECT_TRUE(Log().isEmpty());
    EXPECT_TRUE(Sounds().BgmOnChecked());
}

TEST_F(SoundPlayerTest, SoundSettingsChangeStopsOrRestartsTheMusic)
{
    const QString bgm = File(SoundBGM);
    Sounds().tmrSound.start();
    Shared.SoundSwitch[SoundBGM] = QStringLiteral("Off");
    Sounds().BgmSettingsChanged(true);
    EXPECT_EQ(Log(), (QStringList{"close all", "close all"}));
    EXPECT_FALSE(Sounds().tmrSound.isActive());
    EXPECT_FALSE(Sounds().BgmMenuEnabled());

    Log().clear();
    Shared.SoundSwitch[SoundBGM] = QStringLiteral("On");
    Sounds().BgmSettingsChanged(false);
    EXPECT_EQ(Log(), (QStringList{"close all", "open " + bgm, "play " + bgm}));
    EXPECT_TRUE(Sounds().tmrSound.isActive());
    EXPECT_TRUE(Sounds().BgmMenuEnabled());

    // While the menu shows Off only the changed file is closed.
    Sounds().BGM_On_Off_Click(1);
    Log().clear();
    Sounds().BgmSettingsChanged(true);
    EXPECT_EQ(Log(), (QStringList{"close all"}));
    EXPECT_FALSE(Sounds().tmrSound.isActive());
}

TEST_F(SoundPlayerTest, LeavingClosesTheMusicAndWaitsTwoSecondsForTheEndSound)
{
    struct Case {
        const char* name;
        double start; // seconds since midnight
    };
    const Case cases[] = {
        {"mid-minute", 12 * 3600 + 10.2},
        {"across a minute", 12 * 3600 + 59.4},
        {"across an hour", 12 * 3600 + 3599.4},
        {"across midnight", 86399.6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log().clear();
        platform.clock.sleptMs = 0;
        platform.clock.now = c.start;
        Sounds().tmrSound.start();
        Sounds().ExitSounds();
        EXPECT_EQ(Log(), (QStringList{"close all", "play " + File(SoundEnd)}));
        EXPECT_FALSE(Sounds().tmrSound.isActive());
        // The pause before "play", then between one and two and a half seconds
        // depending on where in its second the clock started.
        EXPECT_GE(platform.clock.sleptMs, Shared.SoundWaitMs + 1000);
        EXPECT_LE(platform.clock.sleptMs, Shared.SoundWaitMs + 2600);
    }
}

TEST_F(SoundPlayerTest, LeavingWithoutMusicOrEndSound)
{
    Shared.SoundSwitch[SoundBGM] = QStringLiteral("Off");
    Shared.SoundSwitch[SoundEnd] = QStringLiteral("Off");
    Sounds().ExitSounds();
    EXPECT_TRUE(Log().isEmpty());
    EXPECT_EQ(platform.clock.sleptMs, 0);
}

namespace {
// A clock whose time never moves, as a stuck system clock would be.
class FrozenClock final : public Clock {
public:
    double Timer() const override { return 1000; }
    QString TimeText() const override { return {}; }
    void Sleep(int milliseconds) override { slept += milliseconds; }
    int slept = 0;
};
} // namespace

TEST_F(SoundPlayerTest, LeavingGivesUpOnAClockThatDoesNotMove)
{
    FrozenClock frozen;
    Platform::Install(nullptr, nullptr, nullptr, &frozen);
    Sounds().ExitSounds();
    Platform::Install(nullptr, nullptr, nullptr, &platform.clock);
    EXPECT_EQ(Log().last(), "play " + File(SoundEnd));
    EXPECT_LE(frozen.slept, 6000);
}
