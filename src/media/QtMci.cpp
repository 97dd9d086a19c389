#include "media/QtMci.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace velin {

struct QtMci::Device {
    QAudioOutput output;
    QMediaPlayer player;
    Device() { player.setAudioOutput(&output); }
    ~Device()
    {
        player.stop();
        player.setAudioOutput(nullptr);
    }
};

QtMci::QtMci() = default;

QtMci::~QtMci()
{
    CloseAll();
}

long QtMci::SendString(const QString& command, QString& reply)
{
    reply.clear();
    const MciCommand cmd = MciCommand::Parse(command);
    switch (cmd.verb) {
    case MciCommand::Verb::Open:
        return Open(cmd.path);
    case MciCommand::Verb::Play:
        return Play(cmd.path);
    case MciCommand::Verb::Close:
        return Close(cmd.path);
    case MciCommand::Verb::CloseAll:
        CloseAll();
        return 0;
    case MciCommand::Verb::StatusMode:
        return StatusMode(cmd.path, reply);
    case MciCommand::Verb::Unknown:
        break;
    }
    return kUnknownCommand;
}

long QtMci::Open(const QString& path)
{
    if (devices_.contains(path))
        return kAlreadyOpen;
    const QFileInfo info(path);
    if (!info.isFile())
        return kFileNotFound;
    auto device = std::make_shared<Device>();
    device->player.setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    if (device->player.error() != QMediaPlayer::NoError)
        return kDeviceFailed;
    devices_.insert(path, std::move(device));
    return 0;
}

long QtMci::Play(const QString& path)
{
    if (!devices_.contains(path)) {
        const long opened = Open(path);
        if (opened != 0)
            return opened;
    }
    QMediaPlayer& player = devices_.value(path)->player;
    if (player.error() != QMediaPlayer::NoError)
        return kDeviceFailed;
    if (player.playbackState() != QMediaPlayer::PlayingState)
        player.play();
    return 0;
}

long QtMci::Close(const QString& path)
{
    return devices_.remove(path) ? 0 : kNotOpen;
}

void QtMci::CloseAll()
{
    devices_.clear();
}

long QtMci::StatusMode(const QString& path, QString& reply)
{
    const auto found = devices_.constFind(path);
    if (found == devices_.constEnd())
        return kNotOpen;
    const QMediaPlayer& player = (*found)->player;
    // A file that could not be decoded is reported as a failing device, not
    // as "stopped", so that the music loop does not reopen it over and over.
    if (player.error() != QMediaPlayer::NoError)
        return kDeviceFailed;
    switch (player.playbackState()) {
    case QMediaPlayer::PlayingState:
        reply = QStringLiteral("playing");
        break;
    case QMediaPlayer::PausedState:
        reply = QStringLiteral("paused");
        break;
    case QMediaPlayer::StoppedState:
        reply = QStringLiteral("stopped");
        break;
    }
    return 0;
}

} // namespace velin
