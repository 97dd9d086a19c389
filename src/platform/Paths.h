#pragma once
// File names as the game expects them: matched ignoring letter case (a probe
// for "KabQue001.dat" finds "kabQue001.dat", and a folder stored lower-cased
// in the settings still finds its real folder), folders ending with the
// separator, and the config folder that stands in for the Windows folder.
#include <QHash>
#include <QString>

namespace velin::Paths {

inline constexpr QChar Separator = u'/';

// The path of an existing file or folder whose name matches `path` ignoring
// letter case in every component; `path` itself when nothing matches.
QString Resolve(const QString& path);
// True when Resolve finds an existing regular file.
bool FileExists(const QString& path);
// The short path of an existing file: its full resolved path; of a missing
// file, the empty text.
QString ShortPathOf(const QString& path);
// The folder that plays the Windows folder's role: the config folder + "velin/".
QString ConfigFolder();
// `folder` with trailing blanks removed and the separator appended when missing.
QString AddDirSep(const QString& folder);
// The text of `path` after its last separator.
QString FileNameOf(const QString& path);
// The text of `folder` up to and including the last separator that is not its
// final character: the folder above it ("/a/b/" gives "/a/").
QString ParentFolderOf(const QString& folder);
// The names of the files and folders in `folder` (found ignoring letter case),
// each under its lower-cased form, from one listing: a scan of many candidate
// names then asks memory, not the disk, for each of them.
QHash<QString, QString> NamesIn(const QString& folder);
// Forgets the cached folder listings (after the game writes a file).
void ForgetListings();

} // namespace velin::Paths
