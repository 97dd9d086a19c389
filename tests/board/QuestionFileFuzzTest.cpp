// Feeds random and damaged question files to the reader. Whatever it accepts
// must be safe for everything that comes after a load: parsing the clues,
// laying out the board, taking input and checking the answer. The suspend
// backup and the clear record get the same treatment: whatever their readers
// accept stays within the board's bounds.
#include "board/BackupFile.h"
#include "board/BoardLayout.h"
#include "board/CellInput.h"
#include "board/ClearRecord.h"
#include "board/ErrorCheck.h"
#include "board/QuestionFile.h"

#include "QuestionFixture.h"

#include <QFile>
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

namespace {

// An accepted backup can be copied onto any board without leaving it.
void CheckAcceptedBackup(const BackupData& data)
{
    ASSERT_GE(data.RowCount, 1);
    ASSERT_LE(data.RowCount, kMaxLine);
    ASSERT_GE(data.ColumnCount, 1);
    ASSERT_LE(data.ColumnCount, kMaxLine);
    ASSERT_GE(data.UsedSeconds, 0);
    ASSERT_FALSE(data.QuestionPath.trimmed().isEmpty());
    for (int r = 0; r <= kMaxLine; ++r)
        for (int c = 0; c <= kMaxLine; ++c) {
            const bool inside = r >= 1 && c >= 1 && r <= data.RowCount && c <= data.ColumnCount;
            ASSERT_TRUE(inside ? data.Cells[r][c] >= kUndecided && data.Cells[r][c] <= kFilled : data.Cells[r][c] == 0);
        }
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Mutated(QByteArray bytes, std::mt19937& random)
{
    std::uniform_int_distribution<int> anyByte(0, 255);
    const int n = std::uniform_int_distribution<int>(1, 5)(random);
    for (int e = 0; e < n && !bytes.isEmpty(); ++e) {
        const int at = std::uniform_int_distribution<int>(0, static_cast<int>(bytes.size()) - 1)(random);
        switch (anyByte(random) % 4) {
        case 0:
            bytes[at] = static_cast<char>(anyByte(random));
            break;
        case 1:
            bytes.insert(at, static_cast<char>("0123456789 -\r\n"[anyByte(random) % 14]));
            break;
        case 2:
            bytes.remove(at, 1);
            break;
        default:
            bytes.truncate(at);
        }
    }
    return bytes;
}

} // namespace

TEST(KeptFilesFuzz, DamagedBackupsNeverCrashOrOverflowTheBoard)
{
    test::QuestionFolder folder;
    BackupData valid;
    valid.QuestionPath = QStringLiteral("/d/Question/velin003.dat");
    valid.RowCount = 4;
    valid.ColumnCount = 3;
    valid.UsedSeconds = 1234;
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 3; ++c)
            valid.Cells[r][c] = static_cast<int16_t>((r + c) % 3);
    const QByteArray bytes = AnsiText::Encode(BackupFile::LinesOf(valid).join("\r\n") + "\r\n");
    std::mt19937 random(95);
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        const QString path = folder.WriteBytes("haltdata.bak", Mutated(bytes, random));
        BackupFile::CheckFirstLine(path);
        BackupFile::Status status = BackupFile::Status::Ok;
        if (const auto data = BackupFile::Read(path, status)) {
            ++accepted;
            CheckAcceptedBackup(*data);
        } else {
            ASSERT_NE(status, BackupFile::Status::Ok);
        }
    }
    // Sizes far beyond the board, and a cell count far beyond the file.
    QStringList huge = BackupFile::LinesOf(valid);
    huge[4] = QStringLiteral(" 32767");
    huge[6] = QStringLiteral(" 99999");
    BackupFile::Status status = BackupFile::Status::Ok;
    EXPECT_FALSE(BackupFile::Read(folder.Write("huge.bak", huge), status));
    RecordProperty("accepted", accepted);
}

TEST(KeptFilesFuzz, DamagedClearRecordsNeverCrashOrGrowTheList)
{
    test::QuestionFolder folder;
    QStringList lines{ClearRecord::kMagic};
    for (int i = 0; i < 30; ++i)
        lines << QStringLiteral("/d/Question/velin%1.dat").arg(i, 3, 10, QChar(u'0'));
    const QByteArray bytes = AnsiText::Encode(lines.join("\r\n") + "\r\n");
    std::mt19937 random(901);
    for (int round = 0; round < 2000; ++round) {
        const QString path = folder.WriteBytes("ClearPuzzle.dat", Mutated(bytes, random));
        QStringList list;
        const auto result = ClearRecord::Load(path, list);
        ASSERT_LE(list.size(), ClearRecord::kMaxEntries);
        if (result != ClearRecord::LoadResult::Loaded) {
            ASSERT_TRUE(list.isEmpty());
            const QByteArray before = ReadAll(path);
            ClearRecord::Record(path, QStringLiteral("/d/new.dat"), list);
            ASSERT_EQ(ReadAll(path), before);
        }
        ClearRecord::IsCleared(list, QStringLiteral("velin001.dat"));
    }
}
