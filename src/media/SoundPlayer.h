#pragma once
// Event sounds and the looping background music. Everything is a plain media
// command string sent through Platform::mci(): a file is named by its short
// path, and everything is closed before the next event sound, so only one
// sound is audible at a time. While the background music plays, event sounds
// are suppressed. Media errors are never reported: the result and reply of
// the last command are only kept in Shared.MciResult and Shared.MciReply.
#include <QObject>
#include <QString>
#include <QTimer>

namespace velin {

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    SoundPlayer();

    // The board's timers: tmrWait (100 ms, fires once) starts the music after
    // the opening form's start button; tmrSound (300 ms) restarts the music
    // whenever it has stopped. Their timeouts run the handlers below.
    QTimer tmrWait;
    QTimer tmrSound;

    // Sends one command, keeping its result and reply; returns the result.
    long Send(const QString& command);

    // One event sound: "close all", "open", "play" of the file's short path;
    // nothing at all while the music's timer runs.
    void PlaySound(const QString& file);
    // Plays event `index` through PlaySound only when its switch is exactly "On".
    void PlayEvent(int index);
    // True when the switch of event `index` is exactly "On".
    static bool SwitchOn(int index);
    // "play" + short path, without closing or opening first.
    void PlayDirect(const QString& file);

    // Starts the music: "open" and "play" of the BGM file, then the loop timer.
    void tmrWait_Timer();
    // Asks for the music's mode and restarts it when it has stopped.
    void tmrSound_Timer();
    // "close all", pause, "open", pause, "play" of the BGM file.
    void RestartBgm();

    // The BGM menu: "Ｏn(&O)" (index 0) or "Ｏff(&F)" (index 1). Works only
    // while the BGM switch is "On"; clicking the item already checked changes
    // nothing.
    void BGM_On_Off_Click(int index);
    bool BgmOnChecked() const { return bgmOnChecked_; }
    bool BgmMenuEnabled() const { return bgmMenuEnabled_; }
    void SetBgmMenuEnabled(bool enabled);

    // After the sound settings changed: closes the old music when its file
    // changed, then, while the menu shows On, stops or restarts the music to
    // match the BGM switch.
    void BgmSettingsChanged(bool bgmFileChanged);

    // The sounds of leaving the program from the board: the music is closed,
    // the End sound started, and the call returns once two seconds have passed
    // on the clock, so that its start is heard before the program ends.
    void ExitSounds();

    // Back to the state of a fresh start: timers stopped, menu enabled and On.
    void Reset();

signals:
    // The BGM menu's check marks or its enabled state changed.
    void BgmMenuChanged(bool onChecked, bool enabled);

private:
    void SetBgmOnChecked(bool on);
    void Pause();

    bool bgmOnChecked_ = true;
    bool bgmMenuEnabled_ = true;
};

// The one sound player the whole game shares.
SoundPlayer& Sounds();

} // namespace velin
