#pragma once
// The default puzzles are drawn as text art (UTF-8) in data/art/, one file
// per puzzle, and velin-make-questions turns them into question files:
//
//   file: velin000.dat        the question file it becomes
//   title: 秋の味覚           the hint shown after "ヒント"
//   answer: きのこ            what the picture shows
//   comment: 森の中で見つけたよ   may be empty; must not end with a digit
//   difficulty: 1             1..7
//   logic: line               "line": line logic alone finishes it;
//                             "guess": line logic stalls, a guess is needed
//   (an empty line)
//   .###.                     the rows, '#' filled and '.' blank
//
// Keeping the picture rather than the clues means a redrawn cell can never
// leave clues that disagree with each other.
#include "LineLogic.h"
#include "authoring/QuestionWriter.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velin::art {

struct ArtPuzzle {
    QString fileName;
    QString title;
    QString answer;
    QString comment;
    int difficulty = 0;
    bool needsGuess = false;
    std::vector<std::vector<bool>> picture; // [row][column], true = filled

    int Rows() const { return static_cast<int>(picture.size()); }
    int Columns() const { return picture.empty() ? 0 : static_cast<int>(picture.front().size()); }
    std::vector<Clue> RowClues() const;
    std::vector<Clue> ColumnClues() const;
};

// Reads and checks one art file; nullopt with `error` set when it is unfit
// to become a question file.
std::optional<ArtPuzzle> ReadArt(const QString& path, QString& error);

// The runs of filled cells of a line, in order.
Clue RunsOf(const std::vector<bool>& line);
// The question file's texts, as the question writer takes them.
QuestionText QuestionOf(const ArtPuzzle& puzzle);

// The puzzle art files of a folder: every *.txt except the opening picture,
// sorted by name.
QStringList ArtFiles(const QString& folder);

// Reads every art file of `artFolder`, checks that each one's "logic" mark is
// what a complete line solver finds, and writes the question files into
// `outFolder` (code page 932, CR LF). Stops at the first problem, with
// `error` naming the file. `written` receives the question file names.
bool WriteQuestions(const QString& artFolder, const QString& outFolder, QStringList& written, QString& error);

} // namespace velin::art
