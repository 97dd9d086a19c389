#include "app/FirstRun.h"

#include "platform/AnsiText.h"
#include "platform/Paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace velin::FirstRun {

namespace {

const QString kTemplate = QStringLiteral("velin.ini.in");

bool CopyTree(const QString& from, const QString& to, QString& error)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (QFileInfo::exists(target))
            continue;
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target)) {
            error = QStringLiteral("cannot copy %1 to %2").arg(source, target);
            return false;
        }
    }
    return true;
}

} // namespace

bool WriteSettings(const QString& templatePath, const QString& dataFolder, const QString& output, QString& error)
{
    if (QFileInfo::exists(output))
        return true;
    QFile in(templatePath);
    if (!in.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(templatePath);
        return false;
    }
    // The settings file keeps the folder in code page 932 as one item of a
    // comma-separated line: a folder that cannot be written so would come
    // back damaged.
    if (dataFolder.contains(u',') || dataFolder.contains(u'"') || !AnsiText::CanEncode(dataFolder)) {
        error = QStringLiteral("the data folder %1 cannot be kept in the settings file").arg(dataFolder);
        return false;
    }
    QString text = QString::fromUtf8(in.readAll());
    text.replace(QStringLiteral("@DATA@"), dataFolder);
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QDir().mkpath(QFileInfo(output).absolutePath());
    if (!AnsiText::WriteLines(output, lines)) {
        error = QStringLiteral("cannot write %1").arg(output);
        return false;
    }
    return true;
}

QString InstalledData(const QString& applicationDir)
{
    const QString data = QDir(applicationDir).absoluteFilePath(QStringLiteral("../share/velin"));
    return QFileInfo::exists(data + u'/' + kTemplate) ? QDir::cleanPath(data) : QString();
}

bool InstallUserData(const QString& installedData, const QString& dataHome, const QString& configFolder, QString& error)
{
    const QString home = Paths::AddDirSep(dataHome);
    for (const QString& part : {QStringLiteral("Question"), QStringLiteral("Sound")})
        if (!CopyTree(installedData + u'/' + part, home + part, error))
            return false;
    const QString config = Paths::AddDirSep(configFolder);
    if (QFileInfo::exists(config + QStringLiteral("velin.ini")) ||
        QFileInfo::exists(config + QStringLiteral("nonogram.ini")))
        return true;
    return WriteSettings(installedData + u'/' + kTemplate, home, config + QStringLiteral("velin.ini"), error);
}

} // namespace velin::FirstRun
