#include "platform/Mci.h"

namespace velin {

MciCommand MciCommand::Parse(const QString& command)
{
    MciCommand c;
    const QString text = command.trimmed();
    const auto rest = [&](int n) { return text.mid(n).trimmed(); };
    if (text.compare(QLatin1String("close all"), Qt::CaseInsensitive) == 0) {
        c.verb = Verb::CloseAll;
    } else if (text.startsWith(QLatin1String("open "), Qt::CaseInsensitive)) {
        c.verb = Verb::Open;
        c.path = rest(5);
    } else if (text.startsWith(QLatin1String("play "), Qt::CaseInsensitive)) {
        c.verb = Verb::Play;
        c.path = rest(5);
    } else if (text.startsWith(QLatin1String("close "), Qt::CaseInsensitive)) {
        c.verb = Verb::Close;
        c.path = rest(6);
    } else if (text.startsWith(QLatin1String("status "), Qt::CaseInsensitive) &&
               text.endsWith(QLatin1String(" mode"), Qt::CaseInsensitive)) {
        c.verb = Verb::StatusMode;
        c.path = text.mid(7, text.size() - 7 - 5).trimmed();
    }
    // "open"/"play" with no file at all name nothing; such commands fail.
    if ((c.verb == Verb::Open || c.verb == Verb::Play || c.verb == Verb::StatusMode) && c.path.isEmpty())
        c.verb = Verb::Unknown;
    return c;
}

} // namespace velin
