#pragma once
// The clear record "ClearPuzzle.dat": every question a person has solved
// correctly, once, as its full path at the time, in the order of clearing.
// `ClearList` mirrors the file's entries (at most 901); an empty entry ends it.
// Recording rewrites the whole file with one line more, so a failed write
// never loses the entries already there.
#include <QString>
#include <QStringList>

namespace velin::ClearRecord {

inline const QString kMagic = QStringLiteral("*** Kab files check data ***");
inline constexpr int kMaxEntries = 901;
// Paths are a few hundred characters at most; longer lines mean a damaged file.
inline constexpr qsizetype kMaxLineBytes = 8192;

enum class LoadResult { Loaded, Missing, BadMagic };
enum class RecordResult {
    Created,         // a new file with the magic line and this path
    Appended,        // the path was added as the file's last line
    AlreadyRecorded, // an entry equals the path ignoring letter case
    Full,            // all 901 entries are taken; nothing written
    BadMagic,        // the file's first line is wrong; nothing written
    WriteFailed,     // the file could not be written; it keeps its old content
};

// Reads the entries (lines 2 ...) into `list`, at most 901 of them. On a
// missing file or a wrong first line `list` is left as it was.
LoadResult Load(const QString& path, QStringList& list);
// Records a cleared question, reading the file first when `list` is empty.
RecordResult Record(const QString& path, const QString& questionPath, QStringList& list);
// True when an entry before the list's first empty one names `fileName`: the
// text after its last separator, compared ignoring letter case.
bool IsCleared(const QStringList& list, const QString& fileName);

} // namespace velin::ClearRecord
