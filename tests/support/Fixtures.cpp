#include "Fixtures.h"

#include "platform/AnsiText.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>

namespace velin::test {

namespace {
const char* const kEventFiles[10] = {"opening", "bgm",      "start",   "end",       "stop",
                                     "entry",   "function", "correct", "uncorrect", "error"};
const char* const kKeys[10] = {
    "Opening=",          "BGM=",  "Start=", "End=", "Stop=", "Entry=", "Function=", "Correct Answer=",
    "UnCorrect Answer=", "Error="};

QString cluesOfLine(const QString& line)
{
    QStringList runs;
    int run = 0;
    for (const QChar ch : line + QLatin1Char('.')) {
        if (ch == u'#') {
            ++run;
        } else if (run > 0) {
            runs << QString::number(run);
            run = 0;
        }
    }
    return runs.isEmpty() ? QStringLiteral("0") : runs.join(u'/');
}
} // namespace

QStringList SettingsLines(const SettingsFixture& f)
{
    QStringList lines{QStringLiteral("【べ り ん】イニシャルデータ"),
                      QStringLiteral("[Data Folder]"),
                      QStringLiteral("Question=") + f.questionFolder,
                      QStringLiteral("FormColor= 15794175"),
                      QStringLiteral("[Line Mark Mode]"),
                      f.lineMarkMode ? QStringLiteral("True") : QStringLiteral("False"),
                      QStringLiteral("[EndWindow Display Mode]"),
                      f.endMessage ? QStringLiteral("True") : QStringLiteral("False"),
                      QStringLiteral("[Sound Files List]")};
    for (int i = 0; i < 10; ++i) {
        const QString file =
            f.soundFolder.isEmpty() ? QString() : f.soundFolder + QString::fromLatin1(kEventFiles[i]) + ".wav";
        lines << QString::fromLatin1(kKeys[i]) + file;
        const bool on = i == 1 ? f.bgmOn : f.eventsOn;
        lines << (on ? QStringLiteral("On") : QStringLiteral("Off"));
    }
    return lines;
}

QString WriteSettingsFile(const QStringList& lines)
{
    const QString folder = Paths::ConfigFolder();
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("velin.ini");
    AnsiText::WriteLines(path, lines);
    Paths::ForgetListings();
    return path;
}

void WriteSoundFiles(const QString& folder)
{
    QDir().mkpath(folder);
    for (const char* name : kEventFiles) {
        QFile f(folder + QString::fromLatin1(name) + ".wav");
        f.open(QIODevice::WriteOnly);
    }
}

QStringList QuestionLines(const QStringList& rowClues, const QStringList& columnClues, const QString& title,
                          const QString& answer, const QString& comment, int difficulty)
{
    QStringList lines{title,
                      answer,
                      comment,
                      QString::number(difficulty),
                      QString::number(rowClues.size()),
                      QString::number(columnClues.size())};
    return lines + rowClues + columnClues;
}

QStringList RowCluesOf(const QStringList& picture)
{
    QStringList clues;
    for (const QString& row : picture)
        clues << cluesOfLine(row);
    return clues;
}

QStringList ColumnCluesOf(const QStringList& picture)
{
    QStringList clues;
    const qsizetype width = picture.isEmpty() ? 0 : picture.first().size();
    for (qsizetype c = 0; c < width; ++c) {
        QString column;
        for (const QString& row : picture)
            column += row.at(c);
        clues << cluesOfLine(column);
    }
    return clues;
}

} // namespace velin::test
