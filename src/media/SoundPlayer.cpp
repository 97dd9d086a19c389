#include "media/SoundPlayer.h"

#include "app/Shared.h"
#include "platform/Clock.h"
#include <cmath>
#include "platform/Mci.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

namespace velin {

namespace {

constexpr int kWaitIntervalMs = 100;
constexpr int kLoopIntervalMs = 300;
// Leaving waits until the clock's seconds have moved on by this many.
constexpr long kExitWaitSeconds = 2;
// How often the leaving wait looks at the clock, and when it gives up on a
// clock that does not move.
constexpr int kExitPollMs = 50;
constexpr int kExitPollLimitMs = 5000;

const QString& BgmFile()
{
    return Shared.SoundFile[SoundBGM];
}

// The minutes and seconds of the time of day, as the leaving wait counts them.
// The minutes and seconds of the time of day, as a clock shows them.
long MinuteSeconds()
{
    return static_cast<long>(std::floor(Platform::clock().Timer())) % 3600;
}

} // namespace

SoundPlayer::SoundPlayer()
{
    tmrWait.setInterval(kWaitIntervalMs);
    tmrWait.setSingleShot(true);
    tmrSound.setInterval(kLoopIntervalMs);
    connect(&tmrWait, &QTimer::timeout, this, &SoundPlayer::tmrWait_Timer);
    connect(&tmrSound, &QTimer::timeout, this, &SoundPlayer::tmrSound_Timer);
}

long SoundPlayer::Send(const QString& command)
{
    Shared.MciResult = Platform::mci().SendString(command, Shared.MciReply);
    return Shared.MciResult;
}

bool SoundPlayer::SwitchOn(int index)
{
    return index >= 0 && index < kSoundEntries && Shared.SoundSwitch[static_cast<size_t>(index)] == QLatin1String("On");
}

void SoundPlayer::PlaySound(const QString& file)
{
    if (tmrSound.isActive())
        return;
    const QString shortPath = Paths::ShortPathOf(file);
    Send(QStringLiteral("close all"));
    Send(QStringLiteral("open ") + shortPath);
    Send(QStringLiteral("play ") + shortPath);
}

void SoundPlayer::PlayEvent(int index)
{
    if (SwitchOn(index))
        PlaySound(Shared.SoundFile[static_cast<size_t>(index)]);
}

void SoundPlayer::PlayDirect(const QString& file)
{
    Send(QStringLiteral("play ") + Paths::ShortPathOf(file));
}

void SoundPlayer::tmrWait_Timer()
{
    tmrSound.start();
    const QString shortPath = Paths::ShortPathOf(BgmFile());
    Send(QStringLiteral("open ") + shortPath);
    Send(QStringLiteral("play ") + shortPath);
    tmrWait.stop();
}

void SoundPlayer::tmrSound_Timer()
{
    const QString shortPath = Paths::ShortPathOf(BgmFile());
    Send(QStringLiteral("status ") + shortPath + QStringLiteral(" mode"));
    if (SwitchOn(SoundBGM) && Shared.MciReply.startsWith(QLatin1String("stopped")))
        RestartBgm();
}

void SoundPlayer::RestartBgm()
{
    const QString shortPath = Paths::ShortPathOf(BgmFile());
    Send(QStringLiteral("close all"));
    Pause();
    Send(QStringLiteral("open ") + shortPath);
    Pause();
    Send(QStringLiteral("play ") + shortPath);
}

void SoundPlayer::BGM_On_Off_Click(int index)
{
    if (!SwitchOn(SoundBGM))
        return;
    // The two items act as a pair of radio items: choosing the one already
    // checked would otherwise turn the music off when the player asked for On.
    const bool wantOn = index == 0;
    if (wantOn == bgmOnChecked_)
        return;
    SetBgmOnChecked(wantOn);
    if (wantOn) {
        RestartBgm();
        tmrSound.start();
    } else {
        tmrSound.stop();
        Send(QStringLiteral("close all"));
    }
}

void SoundPlayer::SetBgmMenuEnabled(bool enabled)
{
    if (bgmMenuEnabled_ == enabled)
        return;
    bgmMenuEnabled_ = enabled;
    emit BgmMenuChanged(bgmOnChecked_, bgmMenuEnabled_);
}

void SoundPlayer::SetBgmOnChecked(bool on)
{
    if (bgmOnChecked_ == on)
        return;
    bgmOnChecked_ = on;
    emit BgmMenuChanged(bgmOnChecked_, bgmMenuEnabled_);
}

void SoundPlayer::BgmSettingsChanged(bool bgmFileChanged)
{
    if (bgmFileChanged)
        Send(QStringLiteral("close all"));
    if (!bgmOnChecked_)
        return;
    if (!SwitchOn(SoundBGM)) {
        SetBgmMenuEnabled(false);
        tmrSound.stop();
        Pause();
        Send(QStringLiteral("close all"));
    } else {
        SetBgmMenuEnabled(true);
        tmrSound.start();
        Pause();
        const QString shortPath = Paths::ShortPathOf(BgmFile());
        Send(QStringLiteral("close all"));
        Send(QStringLiteral("open ") + shortPath);
        Send(QStringLiteral("play ") + shortPath);
    }
}

void SoundPlayer::ExitSounds()
{
    // Nothing may restart the music while the program goes.
    tmrWait.stop();
    tmrSound.stop();
    if (SwitchOn(SoundBGM))
        Send(QStringLiteral("close all"));
    if (!SwitchOn(SoundEnd))
        return;
    Pause();
    PlayDirect(Shared.SoundFile[SoundEnd]);
    // Count by minutes and seconds so that a change of minute (or hour) in
    // the middle does not end or stretch the wait.
    const long start = MinuteSeconds();
    for (int waited = 0; waited < kExitPollLimitMs; waited += kExitPollMs) {
        if ((MinuteSeconds() - start + 3600) % 3600 >= kExitWaitSeconds)
            return;
        Platform::clock().Sleep(kExitPollMs);
    }
}

void SoundPlayer::Reset()
{
    tmrWait.stop();
    tmrSound.stop();
    SetBgmOnChecked(true);
    SetBgmMenuEnabled(true);
}

void SoundPlayer::Pause()
{
    Platform::clock().Sleep(Shared.SoundWaitMs);
}

SoundPlayer& Sounds()
{
    // Never destroyed: its timers must not outlive the application object's
    // event dispatcher in a destructor that runs after main returns.
    static SoundPlayer* const player = new SoundPlayer;
    return *player;
}

} // namespace velin
