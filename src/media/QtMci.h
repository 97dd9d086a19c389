#pragma once
// The media commands on Qt Multimedia: each opened file is a device with its
// own player. Like the interface it stands in for, "play" opens a file that
// was not opened first, "status <file> mode" answers "playing", "paused" or
// "stopped", and a command that fails returns a non-zero result with an empty
// reply. Nothing here ever throws.
#include "platform/Mci.h"

#include <QHash>
#include <QString>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace velin {

class QtMci final : public Mci {
public:
    // Results of the commands that fail.
    static constexpr long kUnknownCommand = 261;
    static constexpr long kNotOpen = 263;
    static constexpr long kFileNotFound = 275;
    static constexpr long kAlreadyOpen = 289;
    static constexpr long kDeviceFailed = 262;

    QtMci();
    ~QtMci() override;

    long SendString(const QString& command, QString& reply) override;

private:
    struct Device;

    long Open(const QString& path);
    long Play(const QString& path);
    long Close(const QString& path);
    void CloseAll();
    long StatusMode(const QString& path, QString& reply);

    QHash<QString, std::shared_ptr<Device>> devices_;
};

} // namespace velin
