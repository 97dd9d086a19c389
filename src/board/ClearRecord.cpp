#include "board/ClearRecord.h"

#include "platform/AnsiText.h"
#include "platform/Paths.h"

#include <QFileInfo>
#include <optional>

namespace velin::ClearRecord {

namespace {

// Every line of the file after the magic line; nullopt when the first line is
// wrong or the file cannot be read to its end.
std::optional<QStringList> ReadEntries(const QString& path, LoadResult& result)
{
    AnsiReader reader(Paths::Resolve(path), kMaxLineBytes);
    if (!reader.IsOpen()) {
        result = LoadResult::Missing;
        return std::nullopt;
    }
    QString line;
    if (!reader.ReadLine(line) || line != kMagic) {
        result = LoadResult::BadMagic;
        return std::nullopt;
    }
    QStringList entries;
    while (!reader.AtEnd()) {
        if (!reader.ReadLine(line)) {
            result = LoadResult::BadMagic;
            return std::nullopt;
        }
        entries << line;
    }
    result = LoadResult::Loaded;
    return entries;
}

} // namespace

LoadResult Load(const QString& path, QStringList& list)
{
    LoadResult result = LoadResult::Missing;
    const auto entries = ReadEntries(path, result);
    if (entries)
        list = entries->mid(0, kMaxEntries);
    return result;
}

RecordResult Record(const QString& path, const QString& questionPath, QStringList& list)
{
    const QString resolved = Paths::Resolve(path);
    if (!QFileInfo::exists(resolved)) {
        if (!AnsiText::WriteLines(path, {kMagic, questionPath}))
            return RecordResult::WriteFailed;
        list = QStringList{questionPath};
        return RecordResult::Created;
    }
    if (list.isEmpty() || list.first().isEmpty()) {
        if (Load(resolved, list) == LoadResult::BadMagic)
            return RecordResult::BadMagic;
    }
    int slot = -1;
    for (int i = 0; i < kMaxEntries; ++i) {
        if (i >= list.size() || list.at(i).isEmpty()) {
            slot = i;
            break;
        }
        if (list.at(i).compare(questionPath, Qt::CaseInsensitive) == 0)
            return RecordResult::AlreadyRecorded;
    }
    if (slot < 0)
        return RecordResult::Full;

    // The file as it stands, with the new line at its end, replaces it whole.
    LoadResult read = LoadResult::Missing;
    auto lines = ReadEntries(resolved, read);
    if (read == LoadResult::BadMagic)
        return RecordResult::BadMagic;
    if (!lines)
        lines = list.mid(0, slot);
    lines->prepend(kMagic);
    lines->append(questionPath);
    if (!AnsiText::WriteLines(resolved, *lines))
        return RecordResult::WriteFailed;
    while (list.size() <= slot)
        list.append(QString());
    list[slot] = questionPath;
    return RecordResult::Appended;
}

bool IsCleared(const QStringList& list, const QString& fileName)
{
    for (const QString& entry : list) {
        if (entry.isEmpty())
            break;
        if (Paths::FileNameOf(entry).compare(fileName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace velin::ClearRecord
