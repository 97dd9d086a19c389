// velin-import [--to FOLDER] [--prefix kabQue|velin|nono] [--first N] FILE...
//
// Brings puzzles in from the formats people share: .non text files, XML
// puzzle sets of the web collection of paint-by-number puzzles, and the
// game's own question files (to renumber a set). Each puzzle becomes a
// question file in FOLDER (default: the question folder of the settings
// file) named PREFIX + number + ".dat", numbered from N (default 0) on,
// passing over every number whose file exists in any letter case. One
// tab-separated line per puzzle:
//
//   SOURCE  FILE     COLUMNSxROWS  DIFFICULTY  VERDICT
//   SOURCE  refused  REASON
//
// VERDICT is what the analysis found (unique, multiple, or unknown when its
// time ran out); the difficulty comes from it. Exit status: 0 when every
// puzzle was written, 1 when any was refused, 2 on a usage error.
#include "app/SettingsFile.h"
#include "files/Exchange/ExchangePuzzle.h"
#include "files/Exchange/Importer.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

using namespace velin;

namespace {

int Usage(const char* why = nullptr)
{
    if (why)
        std::fprintf(stderr, "velin-import: %s\n", why);
    std::fprintf(stderr, "usage: velin-import [--to FOLDER] [--prefix kabQue|velin|nono] [--first N] FILE...\n");
    return 2;
}

// The question folder the settings file names; empty when there is none.
QString SettingsQuestionFolder()
{
    SettingsRecord record;
    const QString path = SettingsFile::Locate(Paths::ConfigFolder());
    if (SettingsFile::Read(path, record) != SettingsFile::ReadStatus::Ok)
        return QString();
    return record.QuestionFolder.trimmed();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    Exchange::ImportSettings settings;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--to" && hasValue) {
            settings.folder = arguments.at(++i);
        } else if (argument == u"--prefix" && hasValue) {
            const QString prefix = arguments.at(++i);
            settings.prefix.clear();
            for (const QString& known : Exchange::kPrefixes)
                if (known.compare(prefix, Qt::CaseInsensitive) == 0)
                    settings.prefix = known;
            if (settings.prefix.isEmpty())
                return Usage("the prefix is one of kabQue, velin, nono");
        } else if (argument == u"--first" && hasValue) {
            bool ok = false;
            settings.first = arguments.at(++i).toInt(&ok);
            if (!ok || settings.first < 0 || settings.first > Exchange::kLastNumber)
                return Usage("the first number is 0 to 999");
        } else if (argument.startsWith(u'-') && argument != u"-") {
            return Usage();
        } else {
            files << argument;
        }
    }
    if (files.isEmpty())
        return Usage();
    if (settings.folder.isEmpty()) {
        settings.folder = SettingsQuestionFolder();
        if (settings.folder.isEmpty())
            return Usage("no settings file names the question folder; give one with --to");
    }
    settings.folder = Paths::AddDirSep(Paths::Resolve(Paths::AddDirSep(settings.folder)));
    if (!QDir().mkpath(settings.folder)) {
        std::fprintf(stderr, "velin-import: cannot make the folder %s\n", qPrintable(settings.folder));
        return 2;
    }

    QTextStream out(stdout);
    Exchange::Importer importer(settings);
    int status = 0;
    for (const QString& file : files) {
        for (const Exchange::Puzzle& puzzle : Exchange::ReadPuzzles(file)) {
            const Exchange::ImportResult result = importer.Import(puzzle);
            if (result.written) {
                out << result.source << '\t' << result.file << '\t' << result.columns << 'x' << result.rows << '\t'
                    << result.difficulty << '\t' << search::VerdictWord(result.verdict) << '\n';
            } else {
                out << result.source << "\trefused\t" << result.reason << '\n';
                status = 1;
            }
            out.flush();
        }
    }
    return status;
}
