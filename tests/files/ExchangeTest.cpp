// Puzzles from the exchange formats: the readers, and the importer that
// writes them as question files the game's own reader loads.
#include "QtPrinters.h"
#include "board/QuestionFile.h"
#include "files/Exchange/ExchangePuzzle.h"
#include "files/Exchange/Importer.h"
#include "platform/AnsiText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace velin;
using Clues = std::vector<std::vector<int>>;

// The plus sign of 5 x 5 with an empty first row, as a .non file.
const QByteArray kPlusNon = "catalogue \"test #1\"\n"
                            "title \"Plus &amp; Cross\"\n"
                            "by \"Jos&eacute; Smith\"\n"
                            "copyright \"&copy; 2020 Jos&eacute; Smith\"\n"
                            "license CC-BY-4.0\n"
                            "width 5\n"
                            "height 5\n"
                            "\n"
                            "rows\n"
                            "0\n1\n5\n1\n1\n"
                            "\n"
                            "columns\n"
                            "1\n1\n4\n1\n1\n";

const Clues kPlusRows = {{}, {1}, {5}, {1}, {1}};
const Clues kPlusColumns = {{1}, {1}, {4}, {1}, {1}};

TEST(ExchangeNon, ReadsKeysAndClues)
{
    const auto puzzles = Exchange::ParseNon(kPlusNon, QStringLiteral("plus.non"));
    ASSERT_EQ(puzzles.size(), 1u);
    const Exchange::Puzzle& p = puzzles.front();
    EXPECT_EQ(p.unreadable, QString());
    EXPECT_EQ(p.title, QStringLiteral("Plus & Cross"));
    EXPECT_EQ(p.author, QStringLiteral("José Smith"));
    EXPECT_EQ(p.copyright, QStringLiteral("© 2020 José Smith"));
    EXPECT_EQ(p.license, QStringLiteral("CC-BY-4.0"));
    EXPECT_EQ(p.rows, 5);
    EXPECT_EQ(p.columns, 5);
    EXPECT_EQ(p.rowClues, kPlusRows);
    EXPECT_EQ(p.columnClues, kPlusColumns);
    EXPECT_FALSE(p.colour);
}

TEST(ExchangeNon, VariantsAndDamage)
{
    struct Case {
        const char* name;
        QByteArray text;
        Clues rows; // expected when readable
        bool colour;
        bool readable;
    };
    const Case cases[] = {
        // An empty line stands for an empty row (and CR LF ends).
        {"empty line row",
         "width 2\r\nheight 3\r\nrows\r\n1\r\n\r\n2\r\ncolumns\r\n2\r\n1,1\r\n",
         {{1}, {}, {2}},
         false,
         true},
        // The older form: "rows N" gives the height, blank lines are ignored.
        {"older keys", "columns 2\nrows 2\n\nrows\n\n2\n\n1\n\ncolumns\n2\n1\n", {{2}, {1}}, false, true},
        // Only the picture: the clues are its runs.
        {"goal only", "width 3\nheight 2\ngoal \"110011\"\n", {{2}, {2}}, false, true},
        // Two colours in the clues.
        {"colour", "width 2\nheight 1\nrows\n1a,1b\ncolumns\n1a\n1b\n", {{1, 1}}, true, true},
        {"short rows block", "width 2\nheight 3\nrows\n1\n2\ncolumns\n1\n2\n", {}, false, false},
        {"no height", "width 2\nrows\n1\ncolumns\n1\n1\n", {}, false, false},
        {"huge number", "width 1\nheight 1\nrows\n99999999999\ncolumns\n1\n", {}, false, false},
        {"no clues", "title \"nothing\"\n", {}, false, false},
        {"binary", QByteArray("\x00\x01\xff\xfe rows\n", 11), {}, false, false},
    };
    for (const Case& c : cases) {
        const auto puzzles = Exchange::ParseNon(c.text, QStringLiteral("x.non"));
        ASSERT_EQ(puzzles.size(), 1u) << c.name;
        EXPECT_EQ(puzzles.front().unreadable.isEmpty(), c.readable) << c.name << ": " << puzzles.front().unreadable.toStdString();
        if (c.readable) {
            EXPECT_EQ(puzzles.front().rowClues, c.rows) << c.name;
            EXPECT_EQ(puzzles.front().colour, c.colour) << c.name;
        }
    }
}

const QByteArray kSetXml =
    "<?xml version=\"1.0\"?>\n"
    "<!DOCTYPE pbn SYSTEM \"http://webpbn.com/pbn-0.3.dtd\">\n"
    "<puzzleset><title>Set title</title>\n"
    "<puzzle type=\"grid\" defaultcolor=\"black\">\n"
    " <title>Corner</title><author>Ann</author><copyright>&copy; Copyright 2004 by Ann</copyright>\n"
    " <color name=\"white\" char=\".\">fff</color><color name=\"black\" char=\"X\">000</color>\n"
    " <clue type=\"columns\"><line><count>2</count></line><line><count>1</count></line></clue>\n"
    " <clue type=\"rows\"><line><count>2</count></line><line><count>1</count></line></clue>\n"
    "</puzzle>\n"
    "<puzzle type=\"grid\" defaultcolor=\"black\">\n"
    " <clue type=\"columns\"><line><count color=\"red\">1</count></line><line/></clue>\n"
    " <clue type=\"rows\"><line><count>1</count></line></clue>\n"
    "</puzzle>\n"
    "<puzzle type=\"grid\"><clue type=\"columns\"><line></line></clue>"
    "<clue type=\"rows\"><line><count>0</count></line></clue></puzzle>\n"
    "</puzzleset>\n";

TEST(ExchangeXml, ReadsEachPuzzleOfASet)
{
    const auto puzzles = Exchange::ParseXml(kSetXml, QStringLiteral("set.xml"));
    ASSERT_EQ(puzzles.size(), 3u);
    const Exchange::Puzzle& corner = puzzles[0];
    EXPECT_EQ(corner.source, QStringLiteral("set.xml#1"));
    EXPECT_EQ(corner.unreadable, QString());
    EXPECT_EQ(corner.title, QStringLiteral("Corner"));
    EXPECT_EQ(corner.author, QStringLiteral("Ann"));
    EXPECT_EQ(corner.copyright, QStringLiteral("© Copyright 2004 by Ann"));
    EXPECT_EQ(corner.rowClues, (Clues{{2}, {1}}));
    EXPECT_EQ(corner.columnClues, (Clues{{2}, {1}}));
    EXPECT_FALSE(corner.colour);
    // Red and the default black: a colour puzzle; the set's title stands in.
    EXPECT_TRUE(puzzles[1].colour);
    EXPECT_EQ(puzzles[1].title, QStringLiteral("Set title"));
    EXPECT_EQ(puzzles[1].columnClues, (Clues{{1}, {}}));
    // A 1 x 1 blank puzzle: "0" and an empty line are both an empty line.
    EXPECT_EQ(puzzles[2].rowClues, (Clues{{}}));
    EXPECT_EQ(puzzles[2].columns, 1);

    const auto broken = Exchange::ParseXml("<puzzleset><puzzle><clue type=\"rows\">", QStringLiteral("b.xml"));
    ASSERT_EQ(broken.size(), 1u);
    EXPECT_FALSE(broken.front().unreadable.isEmpty());
    const auto other =
        Exchange::ParseXml("<puzzleset><puzzle type=\"triddler\"/></puzzleset>", QStringLiteral("t.xml"));
    EXPECT_FALSE(other.front().unreadable.isEmpty());
}

struct ReadBack {
    QuestionData data;
    BoardModel model;
};

ReadBack Load(const QString& path)
{
    ReadBack back;
    const auto data = QuestionFile::Read(path);
    EXPECT_TRUE(data.has_value()) << path.toStdString();
    if (data) {
        back.data = *data;
        EXPECT_TRUE(QuestionFile::ParseClues(back.data, back.model));
    }
    return back;
}

Clues RowsOf(const ReadBack& back)
{
    Clues clues;
    for (int r = 1; r <= back.data.RowCount; ++r) {
        std::vector<int> clue;
        for (int k = 1; k <= back.model.RowClues[r][0]; ++k)
            if (back.model.RowClues[r][k] > 0)
                clue.push_back(back.model.RowClues[r][k]);
        clues.push_back(clue);
    }
    return clues;
}

TEST(Importer, WritesQuestionFilesTheGameReads)
{
    QTemporaryDir dir;
    const QString non = dir.filePath(QStringLiteral("plus.non"));
    const QString xml = dir.filePath(QStringLiteral("set.xml"));
    for (const auto& [path, bytes] : {std::pair{non, kPlusNon}, std::pair{xml, kSetXml}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QString folder = dir.filePath(QStringLiteral("Question")) + u'/';
    QDir().mkpath(folder);
    Exchange::Importer importer({folder, QStringLiteral("velin"), 7, 2000});

    const Exchange::ImportResult plus = importer.Import(Exchange::ReadPuzzles(non).front());
    ASSERT_TRUE(plus.written) << plus.reason.toStdString();
    EXPECT_EQ(plus.file, folder + QStringLiteral("velin007.dat"));
    EXPECT_EQ(plus.verdict, search::Verdict::Unique);
    const ReadBack back = Load(plus.file);
    EXPECT_EQ(back.data.Title, QStringLiteral("Plus & Cross！"));
    EXPECT_EQ(back.data.Answer, QStringLiteral("Plus & Crossでした。"));
    // The attribution travels, in characters code page 932 holds, and the
    // licence's final digit does not turn the comment into a difficulty.
    EXPECT_EQ(back.data.Comment, QStringLiteral("作者：Jose Smith　(C) 2020 Jose Smith　ライセンス：CC-BY-4.0。"));
    EXPECT_EQ(back.data.Difficulty, plus.difficulty);
    EXPECT_GE(plus.difficulty, 1);
    EXPECT_LE(plus.difficulty, 2);
    EXPECT_EQ(RowsOf(back), kPlusRows);
    EXPECT_EQ(back.model.ColumnClues[3][1], 4);

    const auto set = Exchange::ReadPuzzles(xml);
    const Exchange::ImportResult corner = importer.Import(set[0]);
    ASSERT_TRUE(corner.written);
    EXPECT_EQ(corner.file, folder + QStringLiteral("velin008.dat"));
    EXPECT_EQ(RowsOf(Load(corner.file)), (Clues{{2}, {1}}));
    const Exchange::ImportResult red = importer.Import(set[1]);
    EXPECT_FALSE(red.written);
    EXPECT_EQ(red.reason, QStringLiteral("colour puzzle"));

    // The game's own file, renumbered: its texts and difficulty kept.
    Exchange::Importer renumber({folder, QStringLiteral("nono"), 0, 2000});
    const Exchange::ImportResult copy = renumber.Import(Exchange::ReadPuzzles(corner.file).front());
    ASSERT_TRUE(copy.written);
    const ReadBack copied = Load(copy.file);
    EXPECT_EQ(copied.data.Title, QStringLiteral("Corner！"));
    EXPECT_EQ(copied.data.Comment, QStringLiteral("作者：Ann　(C) Copyright 2004 by Ann"));
    EXPECT_EQ(copied.data.Difficulty, corner.difficulty);
}

TEST(Importer, RefusesWhatItCannotWriteFaithfully)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    Exchange::Importer importer({folder, QStringLiteral("nono"), 0, 2000});
    const auto puzzleOf = [](int rows, int columns) {
        Exchange::Puzzle p;
        p.source = QStringLiteral("p.non");
        p.title = QStringLiteral("Line");
        p.rows = rows;
        p.columns = columns;
        p.rowClues.assign(rows, {columns});
        p.columnClues.assign(columns, std::vector<int>(1, rows));
        return p;
    };
    struct Case {
        const char* name;
        Exchange::Puzzle puzzle;
        QString reason;
    };
    std::vector<Case> cases;
    Exchange::Puzzle accented = puzzleOf(1, 1);
    accented.title = QStringLiteral("Crêpe");
    cases.push_back({"title", accented, QStringLiteral("title character not in code page 932: ê (U+00EA)")});
    cases.push_back({"61 wide", puzzleOf(2, 61), QStringLiteral("larger than 60: 61x2")});
    Exchange::Puzzle tooLong = puzzleOf(2, 2);
    tooLong.rowClues[1] = {1, 1};
    cases.push_back({"cannot fit", tooLong, QStringLiteral("clues that cannot fit their line: row 2")});
    Exchange::Puzzle contradiction = puzzleOf(2, 2);
    contradiction.rowClues = {{1}, {1}};
    cases.push_back({"no picture", contradiction, QStringLiteral("no picture fits the clues")});
    Exchange::Puzzle broken = puzzleOf(1, 1);
    broken.unreadable = QStringLiteral("no clues");
    cases.push_back({"unreadable", broken, QStringLiteral("unreadable: no clues")});
    for (const Case& c : cases) {
        const Exchange::ImportResult result = importer.Import(c.puzzle);
        EXPECT_FALSE(result.written) << c.name;
        EXPECT_EQ(result.reason, c.reason) << c.name;
    }
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty()) << "nothing is written for a refused puzzle";

    // A 60 x 60 is taken; names taken in any letter case are passed over
    // and left as they were.
    AnsiText::WriteLines(folder + QStringLiteral("NONO000.DAT"), {QStringLiteral("mine")});
    AnsiText::WriteLines(folder + QStringLiteral("nono001.dat"), {QStringLiteral("mine too")});
    const Exchange::ImportResult full = importer.Import(puzzleOf(60, 60));
    ASSERT_TRUE(full.written) << full.reason.toStdString();
    EXPECT_EQ(full.file, folder + QStringLiteral("nono002.dat"));
    QFile mine(folder + QStringLiteral("NONO000.DAT"));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), QByteArray("mine\r\n"));

    // The last number taken: nothing is overwritten, the puzzle is refused.
    Exchange::Importer last({folder, QStringLiteral("nono"), 999, 2000});
    AnsiText::WriteLines(folder + QStringLiteral("nono999.dat"), {QStringLiteral("mine")});
    EXPECT_FALSE(last.Import(puzzleOf(1, 1)).written);
}

} // namespace
