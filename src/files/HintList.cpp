#include "files/HintList.h"

#include "board/ClearRecord.h"
#include "board/QuestionFile.h"
#include "platform/Paths.h"

#include <cmath>

namespace velin {

const QStringList& HintList::Prefixes()
{
    static const QStringList prefixes{QStringLiteral("KabQue"), QStringLiteral("velin"), QStringLiteral("nono")};
    return prefixes;
}

bool HintList::ReadEntry(const QString& folder, const QString& fileName, HintEntry& entry)
{
    // The head is all the list shows; reading stops at the difficulty line.
    const auto head = QuestionFile::ReadHead(folder + fileName);
    if (!head)
        return false;
    entry.Line = QStringLiteral("　　") + head->DifficultyLine + QStringLiteral("　　　　　") + head->Title;
    entry.Comment = head->Comment;
    entry.FileName = fileName;
    return true;
}

QString HintList::MarkedLine(const HintEntry& entry, const QStringList& clearList)
{
    QString line = entry.Line;
    if (!line.isEmpty() && ClearRecord::IsCleared(clearList, entry.FileName))
        line[0] = u'*';
    return line;
}

void HintList::Build(const QString& folder, const std::function<void(const HintEntry&)>& onEntry,
                     const std::function<void(int k)>& onNumber)
{
    entries_.clear();
    // One listing of the folder answers the 2,703 probes; only the files
    // that are there get opened.
    const QString resolved = Paths::AddDirSep(Paths::Resolve(folder));
    const QHash<QString, QString> names = Paths::NamesIn(resolved);
    for (int k = 0; k <= kHintListMax; ++k) {
        const QString number = QStringLiteral("%1.dat").arg(k, 3, 10, QChar(u'0'));
        for (const QString& prefix : Prefixes()) {
            const QString name = prefix + number;
            const QString actual = names.value(name.toLower());
            HintEntry entry;
            if (actual.isEmpty() || !ReadEntry(resolved, actual, entry))
                continue;
            entry.FileName = name;
            entries_.push_back(entry);
            if (onEntry)
                onEntry(entries_.back());
        }
        if (onNumber)
            onNumber(k);
    }
}

int HintList::Percent(double fraction, bool allowEnds)
{
    int percent = static_cast<int>(std::floor(fraction * 100 + 0.5));
    if (!allowEnds) {
        if (percent <= 0)
            percent = 1;
        if (percent >= 100)
            percent = 99;
    }
    return percent;
}

QString HintList::PercentText(double fraction, bool allowEnds)
{
    return QString::number(Percent(fraction, allowEnds)) + u'%';
}

} // namespace velin
