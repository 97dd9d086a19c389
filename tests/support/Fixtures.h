#pragma once
// Small fixtures that tests write into temporary folders: a settings file
// and question files.
#include <QString>
#include <QStringList>

namespace velin::test {

struct SettingsFixture {
    QString questionFolder;
    QString soundFolder; // sound files are named <event>.wav in it
    bool eventsOn = true;
    bool bgmOn = false;
    bool lineMarkMode = true;
    bool endMessage = true;
};

// The 29 lines of a valid settings file.
QStringList SettingsLines(const SettingsFixture& fixture);
// Writes velin.ini into the config folder; returns its path.
QString WriteSettingsFile(const QStringList& lines);
// Creates empty WAV stand-ins for every event in `folder`, so short paths exist.
void WriteSoundFiles(const QString& folder);

// A question file: title, answer, comment (or none), difficulty, clues.
QStringList QuestionLines(const QStringList& rowClues, const QStringList& columnClues,
                          const QString& title = QStringLiteral("テスト"),
                          const QString& answer = QStringLiteral("こたえ"), const QString& comment = QString(),
                          int difficulty = 3);
// The clues of a picture given as rows of '#' and '.'.
QStringList RowCluesOf(const QStringList& picture);
QStringList ColumnCluesOf(const QStringList& picture);

} // namespace velin::test
