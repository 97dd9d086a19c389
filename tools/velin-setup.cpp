// velin-setup TEMPLATE DATA_FOLDER OUTPUT
// Writes the first settings file: the template (UTF-8, one line per line)
// with @DATA@ replaced by the data folder, in code page 932 with CR LF.
// Refuses to overwrite an existing file.
#include "app/FirstRun.h"

#include <QCoreApplication>
#include <QFileInfo>
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
    QString error;
    if (!velin::FirstRun::WriteSettings(args.at(1), args.at(2), output, error)) {
        std::fprintf(stderr, "velin-setup: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
