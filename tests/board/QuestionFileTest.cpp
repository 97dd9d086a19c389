#include "board/QuestionFile.h"

#include "QuestionFixture.h"
#include "app/Shared.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

using namespace velin;
using velin::test::PlusSignLines;
using velin::test::QuestionFolder;

namespace {

using Clue = std::array<int16_t, kMaxLine + 1>;

// The numbers of a parsed clue, without the count.
std::vector<int> Numbers(const Clue& clue)
{
    return std::vector<int>(clue.begin() + 1, clue.begin() + 1 + clue[0]);
}

// A plus sign whose head (lines 3 and 4 of the plus sign) is replaced.
QStringList WithHead(const QStringList& head)
{
    QStringList lines = PlusSignLines();
    lines.erase(lines.begin() + 2, lines.begin() + 4);
    for (qsizetype i = head.size() - 1; i >= 0; --i)
        lines.insert(2, head.at(i));
    return lines;
}

// An n x n question with every clue "1".
QStringList Square(int rows, int columns)
{
    QStringList lines{"t", "a", "", "3", QString::number(rows), QString::number(columns)};
    for (int i = 0; i < rows + columns; ++i)
        lines << "1";
    return lines;
}

QString Repeat(const QString& number, int count)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << number;
    return parts.join(u'/');
}

} // namespace

TEST(QuestionFile, ReadsTheWorkedPlusSign)
{
    QuestionFolder folder;
    const auto q = QuestionFile::Read(folder.Write("nono001.dat", PlusSignLines()));
    ASSERT_TRUE(q);
    EXPECT_EQ(q->Title, QStringLiteral("十字路"));
    EXPECT_EQ(q->Answer, QStringLiteral("プラス"));
    EXPECT_EQ(q->Comment, QStringLiteral("コメントはありません！"));
    EXPECT_EQ(q->Difficulty, 1);
    EXPECT_EQ(q->DifficultyMark, QStringLiteral("★"));
    EXPECT_EQ(q->RowCount, 5);
    EXPECT_EQ(q->ColumnCount, 5);
    EXPECT_EQ(q->RowClueText[3], "5");
    EXPECT_EQ(q->RowClueWidth, 1);
    EXPECT_EQ(q->ColumnClueDepth, 1);

    BoardModel model;
    model.Board[2][2] = kFilled;
    ASSERT_TRUE(QuestionFile::ParseClues(*q, model));
    EXPECT_EQ(model.RowClues[3][0], 1);
    EXPECT_EQ(model.RowClues[3][1], 5);
    EXPECT_EQ(model.RowRuns, model.RowClues);
    EXPECT_EQ(model.ColumnRuns, model.ColumnClues);
    EXPECT_EQ(model.RowClueWidth, 1);
    EXPECT_EQ(model.ColumnClueDepth, 1);
}

// The third line is a comment when it is empty or when it is at least two
// characters long and does not end with a digit; otherwise it is already the
// difficulty line.
TEST(QuestionFile, CommentRule)
{
    struct Case {
        const char* name;
        QStringList head;
        bool reads;
        QString comment;
        int difficulty;
    };
    const QString none = QuestionFile::kNoComment;
    const std::vector<Case> cases{
        {"empty third line", {"", "4"}, true, none, 4},
        {"a comment", {QStringLiteral("ひとこと"), "4"}, true, QStringLiteral("ひとこと"), 4},
        {"bare difficulty, no comment line", {"5"}, true, none, 5},
        {"difficulty with blanks around it", {"", " 6 "}, true, none, 6},
        {"comment ending with a digit is the difficulty line", {QStringLiteral("問題2"), "4"}, false, {}, 0},
        {"single non-digit is the difficulty line", {"a", "4"}, false, {}, 0},
        {"difficulty 0 is stored unchanged", {"", "0"}, true, none, 0},
        {"difficulty 9 is stored unchanged", {"", "9"}, true, none, 9},
    };
    QuestionFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto q = QuestionFile::Read(folder.Write("q.dat", WithHead(c.head)));
        ASSERT_EQ(q.has_value(), c.reads);
        if (!q)
            continue;
        EXPECT_EQ(q->Comment, c.comment);
        EXPECT_EQ(q->Difficulty, c.difficulty);
    }
    // " 6 " ends with a blank, so it is a comment and the next line ("5", the
    // row count) becomes the difficulty: the counts then run out of step.
    EXPECT_FALSE(QuestionFile::Read(folder.Write("q.dat", WithHead({" 6 "}))).has_value());
}

TEST(QuestionFile, DifficultyMark)
{
    EXPECT_EQ(QuestionFile::DifficultyMarkOf(1), QStringLiteral("★"));
    EXPECT_EQ(QuestionFile::DifficultyMarkOf(7), QStringLiteral("★★★★★★★"));
    EXPECT_EQ(QuestionFile::DifficultyMarkOf(0), QStringLiteral("★★★★★★★★"));
    EXPECT_EQ(QuestionFile::DifficultyMarkOf(9), QStringLiteral("★★★★★★★★"));
    EXPECT_EQ(QuestionFile::DifficultyMarkOf(-3), QStringLiteral("★★★★★★★★"));
}

TEST(QuestionFile, NumberLines)
{
    EXPECT_EQ(QuestionFile::IntegerOfLine(" 12 "), 12);
    EXPECT_EQ(QuestionFile::IntegerOfLine("\t7"), 7);
    EXPECT_EQ(QuestionFile::IntegerOfLine("-3"), -3);
    EXPECT_EQ(QuestionFile::IntegerOfLine("32767"), 32767);
    for (const char* bad : {"", " ", "5x", "x5", "1 2", "32768", "99999999999999999999", "+", "５"})
        EXPECT_FALSE(QuestionFile::IntegerOfLine(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(QuestionFile, CountsMustBeOneToSixty)
{
    QuestionFolder folder;
    EXPECT_TRUE(QuestionFile::Read(folder.Write("q.dat", Square(60, 60))).has_value());
    EXPECT_TRUE(QuestionFile::Read(folder.Write("q.dat", Square(1, 1))).has_value());
    EXPECT_FALSE(QuestionFile::Read(folder.Write("q.dat", Square(61, 5))).has_value());
    EXPECT_FALSE(QuestionFile::Read(folder.Write("q.dat", Square(5, 61))).has_value());
    EXPECT_FALSE(QuestionFile::Read(folder.Write("q.dat", Square(0, 5))).has_value());
    QStringList negative = Square(5, 5);
    negative[5] = "-5";
    EXPECT_FALSE(QuestionFile::Read(folder.Write("q.dat", negative)).has_value());
}

TEST(QuestionFile, ClueLines)
{
    QuestionFolder folder;
    QStringList lines = Square(5, 5);
    lines[6] = "";       // row 1: no numbers
    lines[7] = "0";      // row 2: the number 0
    lines[8] = "3//1";   // row 3: 3, 0, 1
    lines[9] = "1/2/";   // row 4: a trailing separator adds nothing
    lines[11] = "1/1/1"; // column 1: three text lines deep
    const auto q = QuestionFile::Read(folder.Write("q.dat", lines));
    ASSERT_TRUE(q);
    EXPECT_EQ(q->RowClueText[3], QStringLiteral("3･･1"));
    EXPECT_EQ(q->RowClueWidth, 4);
    EXPECT_EQ(q->ColumnClueDepth, 3);

    BoardModel model;
    ASSERT_TRUE(QuestionFile::ParseClues(*q, model));
    EXPECT_EQ(Numbers(model.RowClues[1]), std::vector<int>{});
    EXPECT_EQ(Numbers(model.RowClues[2]), std::vector<int>{0});
    EXPECT_EQ(Numbers(model.RowClues[3]), (std::vector<int>{3, 0, 1}));
    EXPECT_EQ(Numbers(model.RowClues[4]), (std::vector<int>{1, 2}));
    EXPECT_EQ(Numbers(model.ColumnClues[1]), (std::vector<int>{1, 1, 1}));
}

TEST(QuestionFile, RefusesCluesTheBoardCannotHold)
{
    QuestionFolder folder;
    struct Case {
        const char* name;
        int line; // index into the lines of a 60 x 60 square
        QString clue;
        bool reads;
    };
    const std::vector<Case> cases{
        {"thirty numbers fill a 60-cell line", 6, Repeat("1", 30), true},
        {"sixty numbers still fit the clue arrays", 6, Repeat("0", 60), true},
        {"sixty-one numbers do not", 6, Repeat("0", 61), false},
        {"a number as long as the line", 6, "60", true},
        {"a column number as long as the line", 6 + 60, "60", true},
        {"an absurdly large number", 6, "99999999999999999999", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines = Square(60, 60);
        lines[c.line] = c.clue;
        EXPECT_EQ(QuestionFile::Read(folder.Write("q.dat", lines)).has_value(), c.reads);
    }
    // A run longer than its line: 6 in a row of 5 columns, 8 in a column of 7 rows.
    QStringList rows = Square(5, 5);
    rows[6] = "6";
    EXPECT_FALSE(QuestionFile::Read(folder.Write("q.dat", rows)).has_value());
    QStringList columns = Square(7, 9);
    columns[6 + 7] = "8";
    EXPECT_FALSE(QuestionFile::Read(folder.Write("q.dat", columns)).has_value());
    columns[6 + 7] = "7";
    EXPECT_TRUE(QuestionFile::Read(folder.Write("q.dat", columns)).has_value());
}

TEST(QuestionFile, FileEndsAndLineEnds)
{
    QuestionFolder folder;
    EXPECT_FALSE(QuestionFile::Read(folder.Path("missing.dat")).has_value());
    EXPECT_FALSE(QuestionFile::Read(QString()).has_value());
    // The name is matched ignoring letter case: the hint list probes "KabQue".
    folder.Write("kabQue001.dat", PlusSignLines());
    Paths::ForgetListings(); // the folder was listed above, maybe within the same clock tick
    EXPECT_TRUE(QuestionFile::Read(folder.Path("KabQue001.DAT")).has_value());
    EXPECT_TRUE(QuestionFile::ReadHead(folder.Path("KABQUE001.dat")).has_value());

    QStringList shortFile = PlusSignLines();
    shortFile.removeLast();
    EXPECT_FALSE(QuestionFile::Read(folder.Write("q.dat", shortFile)).has_value());

    // Whatever follows the last column clue is never looked at.
    QStringList longer = PlusSignLines();
    longer << "garbage" << QString(20000, u'x');
    EXPECT_TRUE(QuestionFile::Read(folder.Write("q.dat", longer)).has_value());

    // Lone CR and lone LF end lines too; the last line may lack its end.
    const QByteArray body = AnsiText::Encode(PlusSignLines().join(u'\n'));
    EXPECT_TRUE(QuestionFile::Read(folder.WriteBytes("lf.dat", body)).has_value());
    QByteArray cr = body;
    cr.replace('\n', '\r');
    EXPECT_TRUE(QuestionFile::Read(folder.WriteBytes("cr.dat", cr)).has_value());

    // An overlong title is a damaged file, not a reason to eat memory.
    QStringList huge = PlusSignLines();
    huge[0] = QString(QuestionFile::kMaxLineBytes + 1, u'x');
    EXPECT_FALSE(QuestionFile::Read(folder.Write("q.dat", huge)).has_value());
}

TEST(QuestionFile, ParseClueWalk)
{
    const QString sep(QuestionFile::kDisplaySeparator);
    struct Case {
        QString text;
        std::vector<int> numbers;
    };
    const std::vector<Case> cases{
        {"", {}},                           // an empty clue has no numbers
        {"0", {0}},                         // "0" is one number
        {"3" + sep + "1", {3, 1}},          // numbers in order
        {"3" + sep + sep + "1", {3, 0, 1}}, // adjacent separators give a 0 between
        {"3" + sep, {3}},                   // a trailing separator adds nothing
        {sep, {0}},                         // a lone separator stores the empty accumulator
        {sep + "3", {0, 3}},                // a leading separator gives a 0 first
        {" 12", {12}},                      // blanks before the digits are skipped
        {"12a", {12}},                      // only the leading digits count
        {"x", {0}},                         // no digits at all is 0
    };
    for (const Case& c : cases) {
        Clue clue{};
        ASSERT_TRUE(QuestionFile::ParseClue(c.text, clue)) << qPrintable(c.text);
        EXPECT_EQ(Numbers(clue), c.numbers) << qPrintable(c.text);
    }

    Clue kept{};
    kept[0] = 1;
    kept[1] = 4;
    EXPECT_FALSE(QuestionFile::ParseClue(QuestionFile::DisplayTextOf(Repeat("1", 61)), kept));
    EXPECT_FALSE(QuestionFile::ParseClue("61", kept));
    EXPECT_EQ(Numbers(kept), std::vector<int>{4}); // a refused clue changes nothing
}

TEST(QuestionFile, ParseCluesLeavesTheModelAloneOnARefusal)
{
    QuestionData q;
    q.RowCount = 2;
    q.ColumnCount = 1;
    q.RowClueText[1] = "1";
    q.RowClueText[2] = QuestionFile::DisplayTextOf(Repeat("1", 61));
    q.ColumnClueText[1] = "1";
    BoardModel model;
    model.RowClues[1][0] = 9;
    EXPECT_FALSE(QuestionFile::ParseClues(q, model));
    EXPECT_EQ(model.RowClues[1][0], 9);

    // Lines beyond the counts are cleared, so a smaller puzzle never sees
    // the clues of the one before.
    q.RowClueText[2] = "1";
    model.RowClues[5][0] = 3;
    ASSERT_TRUE(QuestionFile::ParseClues(q, model));
    EXPECT_EQ(model.RowClues[5][0], 0);
}

// The preview and the hint list read lines 1 to 4 with the same comment rule
// but use its outcome differently; the head reports which case it was.
TEST(QuestionFile, ReadHead)
{
    QuestionFolder folder;
    struct Case {
        const char* name;
        QStringList head;
        QuestionHead::ThirdLineKind kind;
        QString comment;
        QString difficultyLine;
        int difficulty;
        bool isNumber;
    };
    const QString none = QuestionFile::kNoComment;
    const std::vector<Case> cases{
        {"empty third line", {"", "4"}, QuestionHead::EmptyLine, none, "4", 4, true},
        {"comment",
         {QStringLiteral("ひとこと"), "7"},
         QuestionHead::CommentLine,
         QStringLiteral("ひとこと"),
         "7",
         7,
         true},
        {"no comment line", {"5"}, QuestionHead::NoCommentLine, none, "5", 5, true},
        {"difficulty out of range", {"", "9"}, QuestionHead::EmptyLine, none, "9", 9, true},
        {"difficulty not a number", {"", "abc"}, QuestionHead::EmptyLine, none, "abc", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto head = QuestionFile::ReadHead(folder.Write("q.dat", WithHead(c.head)));
        ASSERT_TRUE(head);
        EXPECT_EQ(head->Title, QStringLiteral("十字路"));
        EXPECT_EQ(head->ThirdLine, c.kind);
        EXPECT_EQ(head->Comment, c.comment);
        EXPECT_EQ(head->DifficultyLine, c.difficultyLine);
        EXPECT_EQ(head->Difficulty, c.difficulty);
        EXPECT_EQ(head->DifficultyIsNumber, c.isNumber);
        EXPECT_EQ(head->DifficultyMark, QuestionFile::DifficultyMarkOf(c.difficulty));
    }
    EXPECT_FALSE(QuestionFile::ReadHead(folder.Path("missing.dat")).has_value());
    EXPECT_FALSE(QuestionFile::ReadHead(folder.Write("q.dat", {"t", "a", ""})).has_value());
    // Only the head is needed: a file that ends after it still previews.
    EXPECT_TRUE(QuestionFile::ReadHead(folder.Write("q.dat", {"t", "a", "3"})).has_value());
}

TEST(QuestionFile, TakeOverFillsTheProgramWideValues)
{
    QuestionFolder folder;
    const auto q = QuestionFile::Read(folder.Write("q.dat", PlusSignLines()));
    ASSERT_TRUE(q);
    QuestionValues values;
    QuestionFile::TakeOver(*q, values);
    EXPECT_EQ(values.QuestionTitle, q->Title);
    EXPECT_EQ(values.AnswerName, q->Answer);
    EXPECT_EQ(values.CommentText, q->Comment);
    EXPECT_EQ(values.DifficultyMark, QStringLiteral("★"));
    EXPECT_EQ(values.RowCount, 5);
    EXPECT_EQ(values.ColumnClueText[3], "5");
    const QuestionData back = QuestionFile::FromValues(values);
    EXPECT_EQ(back.RowClueText, q->RowClueText);
    EXPECT_EQ(back.ColumnClueDepth, 1);
}
