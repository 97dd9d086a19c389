#pragma once
// The registration form's rules without a window: the layout figures that
// follow the window caption's height, the file label, the file number's
// prefix and proposal, the values of the number boxes and Register's checks
// in their order with the texts the user is shown.
#include "authoring/QuestionWriter.h"

#include <QString>
#include <optional>

namespace velin::Registration {

// The form height's factor and the clue grid's data column width (twips)
// for a caption `captionPixels` high.
struct CaptionFit {
    double factor = 1.0;
    int dataColumnWidth = 3200;
};
// The designed table has rows for 18, 19, 21, 23, 25, 27, 28, 30, 32, 34 and
// 36 pixels. A height between two rows takes the row below it (the caption
// is at least that tall), one below 18 the first row and one above 36 the last.
CaptionFit CaptionAdjust(int captionPixels);

// "登録ファイル名は(" + prefix + "番号.dat)固定。", the blanks that line the
// next text up for that prefix, then "番号３桁は".
QString FileLabel(const QString& prefix);
// The note under it, on the folder the file goes to.
QString FolderNote();
// F12 in the file box: "velin" → "nono" → "kabQue" → "velin"; any other
// prefix becomes "velin".
QString NextPrefix(const QString& prefix);
// The number proposed by a double click on a listed file: the three
// characters before ".dat" (characters 1-3 of its last seven), plus one, with
// at least three digits. "kabQue123.dat" gives "124".
QString NextFileNumber(const QString& fileName);
// The value of a number box: 0 when it is empty, else its integer value
// (kept within the 16-bit range the values are held in).
int BoxValue(const QString& text);

// The boxes a refusal names; the form focuses that box.
enum class Box { File, Title, Answer, Comment, Nando, Line, Column, Data };

struct Refusal {
    Box box = Box::File;
    // The whole text of the message, "再設定して下さい。" included.
    QString text;
    // For a clue: the grid row and column at fault.
    int row = 0;
    int col = 0;
};
// The message box's title for every refusal.
QString RefusalTitle();

// What the form holds when Register is pressed.
struct Entry {
    QString fileNumber;
    QString title;  // the hint box, without its "！"
    QString answer; // the answer box, without its "でした。"
    QString comment;
    int difficulty = 0;
    int rows = 0;
    int columns = 0;
};

// The checks before the overwrite question, in order: the file number (at
// least three characters, not "???"), the hint, the answer, the difficulty,
// the two counts, then the hint, answer and comment texts that code page 932
// cannot store (written, they would come back as "?").
std::optional<Refusal> CheckEntry(const Entry& entry);
// The clue lines' texts that code page 932 cannot store.
std::optional<Refusal> CheckClues(const QStringList& rowClues, const QStringList& columnClues);
// The message when every clue is not filled.
Refusal MissingClues();

// QuestionFolder + prefix + number + ".dat".
QString QuestionFileName(const QString& folder, const QString& prefix, const QString& number);
// The file's values: the hint with "！", the answer with "でした。".
QuestionText Question(const Entry& entry, const QStringList& rowClues, const QStringList& columnClues);
// The overwrite question and its title.
QString OverwriteText();
QString OverwriteTitle();
// The message when the file could not be written.
QString WriteFailedText(const QString& path);
QString WriteFailedTitle();

} // namespace velin::Registration
