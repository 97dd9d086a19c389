#include "platform/Paths.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

namespace velin::Paths {

namespace {

struct Listing {
    QDateTime modified;
    QDateTime listedAt;
    QHash<QString, QString> byLowerName;
};

// One listing per folder, refreshed when the folder's modification time moves,
// so that scanning thousands of candidate names lists each folder once.
QHash<QString, Listing>& listings()
{
    static QHash<QString, Listing> cache;
    return cache;
}

QString findInFolder(const QString& folder, const QString& name)
{
    const QFileInfo info(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (!info.isDir())
        return {};
    const QDateTime modified = info.lastModified();
    Listing& listing = listings()[folder];
    const auto relist = [&] {
        listing.byLowerName.clear();
        listing.modified = modified;
        listing.listedAt = QDateTime::currentDateTime();
        const QDir dir(info.filePath());
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& entry : entries)
            listing.byLowerName.insert(entry.toLower(), entry);
    };
    if (listing.modified != modified || !modified.isValid())
        relist();
    QString found = listing.byLowerName.value(name.toLower());
    // A listing taken within moments of the folder's last change may have
    // missed a file written in the same instant; look once more.
    if (found.isEmpty() && listing.listedAt.msecsTo(QDateTime::currentDateTime()) >= 0 &&
        modified.msecsTo(listing.listedAt) < 2000) {
        relist();
        found = listing.byLowerName.value(name.toLower());
    }
    return found;
}

} // namespace

QString Resolve(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    // Walk the components, keeping each one that exists as it is and looking
    // the others up in their folder's listing.
    const bool absolute = path.startsWith(Separator);
    const QStringList parts = path.split(Separator);
    QString resolved = absolute ? QString(Separator) : QString();
    for (qsizetype i = absolute ? 1 : 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const bool last = i == parts.size() - 1;
        if (part.isEmpty()) { // a doubled or trailing separator
            if (!resolved.endsWith(Separator))
                resolved += Separator;
            continue;
        }
        QString candidate = resolved + part;
        if (part != QLatin1String(".") && part != QLatin1String("..") && !QFileInfo::exists(candidate)) {
            const QString actual = findInFolder(resolved, part);
            if (actual.isEmpty())
                return path;
            candidate = resolved + actual;
        }
        resolved = candidate;
        if (!last)
            resolved += Separator;
    }
    return resolved;
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(Resolve(path)).isFile();
}

QString ShortPathOf(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(Resolve(path));
    if (!info.isFile())
        return {};
    return info.absoluteFilePath();
}

QString ConfigFolder()
{
    return AddDirSep(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) +
           QStringLiteral("velin") + Separator;
}

QString AddDirSep(const QString& folder)
{
    QString text = folder;
    while (text.endsWith(u' '))
        text.chop(1);
    if (!text.endsWith(Separator))
        text += Separator;
    return text;
}

QString FileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(Separator) + 1);
}

QString ParentFolderOf(const QString& folder)
{
    const qsizetype from = folder.size() - 2;
    const qsizetype at = from >= 0 ? folder.lastIndexOf(Separator, from) : -1;
    return folder.left(at + 1);
}

QHash<QString, QString> NamesIn(const QString& folder)
{
    QHash<QString, QString> names;
    const QDir dir(Resolve(folder));
    if (folder.isEmpty() || !dir.exists())
        return names;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        names.insert(entry.toLower(), entry);
    return names;
}

void ForgetListings()
{
    listings().clear();
}

} // namespace velin::Paths
