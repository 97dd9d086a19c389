#pragma once
// The rules the game applies to question file names: the extension test of
// the file selection, the number and prefix of a batch range, the names of
// the files in between, the family of a question set told from a name, and
// the two files kept in the folder above the question folder.
#include <QString>

namespace velin::FileNames {

inline const QString kHaltDataName = QStringLiteral("haltdata.bak");
inline const QString kClearRecordName = QStringLiteral("ClearPuzzle.dat");

// True when the path ends in ".dat" or ".DAT", in exactly that case
// (nono001.dat and NONO001.DAT pass, nono001.Dat does not).
bool HasQuestionExtension(const QString& path);

// A batch file picked in the file selection: its number, how many digits the
// set uses, and the folder and prefix that the range's names share.
struct BatchPick {
    int Number = 0;
    int NumberWidth = 3; // CheckNumberWidth: 3, or 2 for a set numbered below 100 with two digits
    QString PathPrefix;  // CheckPathPrefix: the path without its number and ".dat"
    // False when the number text holds anything but digits or the path is
    // too short to carry one; Number is then 0.
    bool Valid = false;
};
// Takes the last seven characters (such as "001.dat"); when the first of them
// is a character above "9" the set numbers with two digits and only the last
// six count. The number is what precedes ".dat".
BatchPick PickBatch(const QString& questionPath);

// The number of a batch file: three digits, or two when n < 100 and the set
// uses two ("05" for 5 in a two-digit set, "105" for 105).
QString BatchNumberText(int n, int numberWidth);
// CheckPathPrefix + number + ".dat".
QString BatchFileName(const QString& pathPrefix, int n, int numberWidth);

// The family of a question set told from a file name's first letter, lower-
// cased: "v" is "velin", "k" is "kabQue", anything else "nono".
QString FamilyPrefixOf(const QString& fileName);
// The batch check's file name display: the family prefix of the loaded file
// and the number with three digits ("nono007").
QString BatchDisplayName(const QString& questionPath, int checkFileNo);
// The number in the three characters before the last four of a path
// ("...012.dat" gives 12); 0 when they do not start with a digit.
int NumberBeforeExtension(const QString& questionPath);

// The suspend backup and the clear record, in the folder above HomeFolder
// ("/data/Q/" gives "/data/haltdata.bak").
QString HaltDataPath(const QString& homeFolder);
QString ClearRecordPath(const QString& homeFolder);

} // namespace velin::FileNames
