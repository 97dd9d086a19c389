#pragma once
// Question files written by the tests themselves, in code page 932.
#include "platform/AnsiText.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace velin::test {

// The 5 x 5 plus sign: no comment, difficulty 1.
inline QStringList PlusSignLines()
{
    return {QStringLiteral("十字路"),
            QStringLiteral("プラス"),
            QString(),
            "1",
            "5",
            "5",
            "1",
            "1",
            "5",
            "1",
            "1",
            "1",
            "1",
            "5",
            "1",
            "1"};
}

class QuestionFolder {
public:
    QString Write(const QString& name, const QStringList& lines) const
    {
        const QString path = dir_.filePath(name);
        AnsiText::WriteLines(path, lines);
        return path;
    }
    QString WriteBytes(const QString& name, const QByteArray& bytes) const
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
        return path;
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    // The folder itself, ending with the separator.
    QString Folder() const { return dir_.path() + u'/'; }
    QByteArray ReadBytes(const QString& name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

} // namespace velin::test
