// velin-setup TEMPLATE DATA_FOLDER OUTPUT
// Writes the first settings file: the template (UTF-8, one line per line)
// with @DATA@ replaced by the data folder, in code page 932 with CR LF.
// Refuses to overwrite an existing file.
#include "platform/AnsiText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: velin-setup TEMPLATE DATA_FOLDER OUTPUT\n");
        return 2;
    }
    const QString output = args.at(3);
    if (QFileInfo::exists(output)) {
        std::fprintf(stderr, "velin-setup: %s exists; left as it is\n", qPrintable(output));
        return 0;
    }
    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "velin-setup: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    // The settings file keeps the folder in code page 932 as one item of a
    // comma-separated line: a folder that cannot be written so would come
    // back damaged.
    const QString folder = args.at(2);
    if (folder.contains(u',') || folder.contains(u'"') || !velin::AnsiText::CanEncode(folder)) {
        std::fprintf(stderr, "velin-setup: the data folder %s cannot be kept in the settings file\n",
                     qPrintable(folder));
        return 1;
    }
    QString text = QString::fromUtf8(in.readAll());
    text.replace(QStringLiteral("@DATA@"), folder);
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QDir().mkpath(QFileInfo(output).absolutePath());
    if (!velin::AnsiText::WriteLines(output, lines)) {
        std::fprintf(stderr, "velin-setup: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
