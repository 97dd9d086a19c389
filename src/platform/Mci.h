#pragma once
#include <QString>

namespace velin {

// The media command interface: plain command strings such as "open <path>",
// "play <path>", "status <path> mode" and "close all". The result is 0 on
// success; callers store it and never act on it.
class Mci {
public:
    virtual ~Mci() = default;
    virtual long SendString(const QString& command, QString& reply) = 0;
};

// A media command taken apart: the verb and the file it names.
struct MciCommand {
    enum class Verb { Unknown, Open, Play, Close, CloseAll, StatusMode };
    Verb verb = Verb::Unknown;
    QString path;

    static MciCommand Parse(const QString& command);
};

} // namespace velin
