// Feeds random and damaged question files to the reader. Whatever it accepts
// must be safe for everything that comes after a load: parsing the clues,
// laying out the board, taking input and checking the answer.
#include "board/BoardLayout.h"
#include "board/CellInput.h"
#include "board/ErrorCheck.h"
#include "board/QuestionFile.h"

#include "QuestionFixture.h"

#include <gtest/gtest.h>
#include <random>

using namespace velin;

namespace {

TextMetrics FixedMetrics()
{
    TextMetrics m;
    m.Width = [](const QString& text, double size, bool) { return text.size() * size * 10; };
    m.Height = [](const QString&, double size, bool) { return size * 20; };
    return m;
}

// Everything a load does with an accepted question, on the smallest screen.
void UseAcceptedQuestion(const QuestionData& q, std::mt19937& random)
{
    ASSERT_GE(q.RowCount, 1);
    ASSERT_LE(q.RowCount, kMaxLine);
    ASSERT_GE(q.ColumnCount, 1);
    ASSERT_LE(q.ColumnCount, kMaxLine);

    BoardModel model;
    ASSERT_TRUE(QuestionFile::ParseClues(q, model));
    for (int r = 1; r <= q.RowCount; ++r)
        for (int k = 1; k <= model.RowClues[r][0]; ++k)
            ASSERT_LE(model.RowClues[r][k], q.ColumnCount);
    for (int c = 1; c <= q.ColumnCount; ++c)
        for (int k = 1; k <= model.ColumnClues[c][0]; ++k)
            ASSERT_LE(model.ColumnClues[c][k], q.RowCount);

    LayoutInput in;
    in.RowCount = q.RowCount;
    in.ColumnCount = q.ColumnCount;
    in.RowClueWidth = model.RowClueWidth;
    in.ColumnClueDepth = model.ColumnClueDepth;
    in.QuestionTitle = q.Title;
    in.AnswerName = q.Answer;
    in.FrameExtra = 600;
    in.StartButtonHeight = 375;
    const BoardLayout layout = BoardLayout::Compute(in, FixedMetrics());
    ASSERT_GE(layout.CellSize, BoardLayout::kMinCellSize);
    const ColumnClueLayout clues = layout.ColumnClues(layout.FormH - in.FrameExtra, model.ColumnClues, FixedMetrics());
    ASSERT_GE(clues.SingleSize, BoardLayout::kMinFontSize);

    std::uniform_int_distribution<int> state(0, 2);
    for (int r = 1; r <= q.RowCount; ++r)
        for (int c = 1; c <= q.ColumnCount; ++c)
            model.Board[r][c] = static_cast<int16_t>(state(random));
    ErrorCheck(model, q.RowCount, q.ColumnCount);

    const GridGeometry grid = layout.Grid();
    std::uniform_int_distribution<int> x(0, grid.GridRight() + 200);
    std::uniform_int_distribution<int> y(0, grid.GridBottom() + 200);
    bool popup = false;
    bool skip = false;
    CellInput::Release release;
    release.InputLive = true;
    release.Button = 1 + state(random) % 2;
    release.Grid = grid;
    release.DownX = x(random);
    release.DownY = y(random);
    release.X = x(random);
    release.Y = y(random);
    CellInput::Released(release, popup, skip, model);
}

} // namespace

TEST(QuestionFileFuzz, RandomBytesNeverCrashTheReader)
{
    test::QuestionFolder folder;
    std::mt19937 random(20240611);
    // Mostly the bytes a question file is made of, so that some files get far.
    const QByteArray alphabet("0123456789//////\r\n\r\n\r\n\n\r  -+a\x82\xa0\x81\x5e");
    std::uniform_int_distribution<int> length(0, 300);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    int accepted = 0;
    for (int round = 0; round < 1500; ++round) {
        QByteArray bytes;
        const int n = length(random);
        const bool raw = round % 3 == 0;
        for (int i = 0; i < n; ++i)
            bytes += raw ? static_cast<char>(anyByte(random)) : alphabet.at(pick(random));
        const QString path = folder.WriteBytes("fuzz.dat", bytes);
        QuestionFile::ReadHead(path);
        if (const auto q = QuestionFile::Read(path)) {
            ++accepted;
            UseAcceptedQuestion(*q, random);
        }
    }
    RecordProperty("accepted", accepted);
}

TEST(QuestionFileFuzz, TruncatedAndMutatedFilesNeverCrashTheReader)
{
    test::QuestionFolder folder;
    std::mt19937 random(7);
    QStringList lines{QStringLiteral("ねこ"), QStringLiteral("黒猫"), QStringLiteral("ひとこと"), "3", "6", "7"};
    lines << "2/2"
          << "7"
          << "1/1/1"
          << ""
          << "0"
          << "3//1";
    lines << "1"
          << "2"
          << "1/1"
          << "6"
          << "1/1"
          << "2"
          << "1";
    const QByteArray valid = AnsiText::Encode(lines.join("\r\n") + "\r\n");
    ASSERT_TRUE(QuestionFile::Read(folder.WriteBytes("valid.dat", valid)));

    // Every truncation: only the complete file (and the one missing just its
    // final line end) may load.
    for (qsizetype cut = 0; cut < valid.size(); ++cut) {
        const QString path = folder.WriteBytes("cut.dat", valid.left(cut));
        const auto q = QuestionFile::Read(path);
        EXPECT_EQ(q.has_value(), cut >= valid.size() - 2) << cut;
        QuestionFile::ReadHead(path);
    }

    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> edits(1, 6);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = valid;
        const int n = edits(random);
        for (int e = 0; e < n && !bytes.isEmpty(); ++e) {
            const int at = std::uniform_int_distribution<int>(0, static_cast<int>(bytes.size()) - 1)(random);
            switch (anyByte(random) % 3) {
            case 0:
                bytes[at] = static_cast<char>(anyByte(random));
                break;
            case 1:
                bytes.insert(at, static_cast<char>(anyByte(random)));
                break;
            default:
                bytes.remove(at, 1);
            }
        }
        const QString path = folder.WriteBytes("mutated.dat", bytes);
        QuestionFile::ReadHead(path);
        if (const auto q = QuestionFile::Read(path))
            UseAcceptedQuestion(*q, random);
    }
}
