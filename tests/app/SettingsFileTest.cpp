#include "app/SettingsFile.h"
#include "platform/AnsiText.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include "QtPrinters.h"
#include <gtest/gtest.h>

using namespace velin;
using SettingsFile::ReadStatus;

namespace {

// A settings file as the game writes it, every event with a file.
QStringList ValidLines()
{
    QStringList lines{QStringLiteral("【べ り ん】イニシャルデータ"),
                      QStringLiteral("[Data Folder]"),
                      QStringLiteral("Question=/data/question/"),
                      QStringLiteral("FormColor= 15794175"),
                      QStringLiteral("[Line Mark Mode]"),
                      QStringLiteral("True"),
                      QStringLiteral("[EndWindow Display Mode]"),
                      QStringLiteral("False"),
                      QStringLiteral("[Sound Files List]")};
    for (int i = 0; i < kSoundEvents; ++i)
        lines << SettingsFile::kSoundKeys[static_cast<size_t>(i)] + QStringLiteral("/snd/%1.wav").arg(i)
              << (i == SoundBGM ? QStringLiteral("Off") : QStringLiteral("On"));
    return lines;
}

class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const QString& name = QStringLiteral("velin.ini")) const { return dir.filePath(name); }
    QString Write(const QStringList& lines, const QString& name = QStringLiteral("velin.ini")) const
    {
        AnsiText::WriteLines(Path(name), lines);
        return Path(name);
    }
    QByteArray Bytes(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

// Each case changes the valid file a little and says what reading it gives.
TEST_F(SettingsFileTest, ReadsEachItemAndItsVariants)
{
    struct Case {
        const char* name;
        std::function<void(QStringList&)> edit;
        std::function<void(const SettingsRecord&)> check;
    };
    const Case cases[] = {
        {"valid file", [](QStringList&) {},
         [](const SettingsRecord& r) {
             EXPECT_EQ(r.SettingsHeader, SettingsFile::kSolidCellsHeader);
             EXPECT_EQ(r.CellLineStyle, 0);
             EXPECT_EQ(r.BlockLineStyle, 2);
             EXPECT_EQ(r.QuestionFolder, "/data/question/");
             EXPECT_EQ(r.FormColor, 15794175);
             EXPECT_TRUE(r.LineMarkMode);
             EXPECT_FALSE(r.EndMessageDisplay);
             EXPECT_EQ(r.SoundFile[SoundError], "/snd/9.wav");
             EXPECT_EQ(r.SoundSwitch[SoundBGM], "Off");
             EXPECT_EQ(r.SoundSwitch[SoundError], "On");
             EXPECT_TRUE(r.SoundFile[10].isEmpty());
         }},
        {"any star header gives dotted cell lines", [](QStringList& l) { l[0] = QStringLiteral("★何でも"); },
         [](const SettingsRecord& r) {
             EXPECT_EQ(r.CellLineStyle, 2);
             EXPECT_EQ(r.BlockLineStyle, 0);
         }},
        {"quoted header keeps its comma", [](QStringList& l) { l[0] = QStringLiteral("  \"★a, b\""); },
         [](const SettingsRecord& r) {
             EXPECT_EQ(r.SettingsHeader, QStringLiteral("★a, b"));
             EXPECT_EQ(r.CellLineStyle, 2);
         }},
        {"folder gets its separator", [](QStringList& l) { l[2] = QStringLiteral("Question=/Data/NONO"); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.QuestionFolder, "/Data/NONO/"); }},
        {"empty folder", [](QStringList& l) { l[2] = QStringLiteral("Question="); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.QuestionFolder, ""); }},
        {"quoted folder with a comma", [](QStringList& l) { l[2] = QStringLiteral("\"Question=/a,b/\""); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.QuestionFolder, "/a,b/"); }},
        {"key and one digit mean 15", [](QStringList& l) { l[3] = QStringLiteral("FormColor=7"); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.FormColor, 15); }},
        {"blank and 15", [](QStringList& l) { l[3] = QStringLiteral("FormColor= 15"); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.FormColor, 15); }},
        {"grey", [](QStringList& l) { l[3] = QStringLiteral("FormColor= 8421504"); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.FormColor, 8421504); }},
        // The eleventh character is the sign position, so a sign there is cut off.
        {"sign in the sign position", [](QStringList& l) { l[3] = QStringLiteral("FormColor=-255"); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.FormColor, 255); }},
        {"negative colour", [](QStringList& l) { l[3] = QStringLiteral("FormColor= -255"); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.FormColor, -255); }},
        {"number then text", [](QStringList& l) { l[3] = QStringLiteral("FormColor=   12abc"); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.FormColor, 12); }},
        {"no number is 0", [](QStringList& l) { l[3] = QStringLiteral("FormColor= abc"); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.FormColor, 0); }},
        {"largest colour", [](QStringList& l) { l[3] = QStringLiteral("FormColor= 2147483647"); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.FormColor, 2147483647); }},
        {"smallest colour", [](QStringList& l) { l[3] = QStringLiteral("FormColor= -2147483648"); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.FormColor, INT32_MIN); }},
        {"older Answer= line is skipped", [](QStringList& l) { l.insert(3, QStringLiteral("ANSWER=/data/answer/")); },
         [](const SettingsRecord& r) {
             EXPECT_EQ(r.QuestionFolder, "/data/question/");
             EXPECT_EQ(r.FormColor, 15794175);
             EXPECT_TRUE(r.LineMarkMode);
         }},
        {"booleans in any case or as numbers",
         [](QStringList& l) {
             l[5] = QStringLiteral("fALSE");
             l[7] = QStringLiteral("-1");
         },
         [](const SettingsRecord& r) {
             EXPECT_FALSE(r.LineMarkMode);
             EXPECT_TRUE(r.EndMessageDisplay);
         }},
        {"zero is false",
         [](QStringList& l) {
             l[5] = QStringLiteral("0");
             l[7] = QStringLiteral("TRUE");
         },
         [](const SettingsRecord& r) {
             EXPECT_FALSE(r.LineMarkMode);
             EXPECT_TRUE(r.EndMessageDisplay);
         }},
        {"file ends after the sound section", [](QStringList& l) { l = l.mid(0, 9); },
         [](const SettingsRecord& r) {
             for (const QString& s : r.SoundSwitch)
                 EXPECT_TRUE(s.isEmpty());
         }},
        {"a bare key is an empty file", [](QStringList& l) { l[11] = QStringLiteral("BGM="); },
         [](const SettingsRecord& r) { EXPECT_EQ(r.SoundFile[SoundBGM], ""); }},
        {"21 entries, the extra ones cut by six",
         [](QStringList& l) {
             for (int i = kSoundEvents; i < kSoundEntries; ++i)
                 l << QStringLiteral("Extra=/snd/x%1.wav").arg(i) << QStringLiteral("On");
         },
         [](const SettingsRecord& r) {
             EXPECT_EQ(r.SoundFile[10], "/snd/x10.wav");
             EXPECT_EQ(r.SoundFile[20], "/snd/x20.wav");
             EXPECT_EQ(r.SoundSwitch[20], "On");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines = ValidLines();
        c.edit(lines);
        SettingsRecord record;
        ASSERT_EQ(SettingsFile::Read(Write(lines), record), ReadStatus::Ok);
        c.check(record);
    }
}

TEST_F(SettingsFileTest, DamagedFilesFail)
{
    struct Case {
        const char* name;
        std::function<void(QStringList&)> edit;
    };
    const Case cases[] = {
        {"empty file", [](QStringList& l) { l.clear(); }},
        {"colour does not fit 32 bits",
         [](QStringList& l) { l[3] = QStringLiteral("FormColor= 99999999999999999999"); }},
        {"colour just past the largest", [](QStringList& l) { l[3] = QStringLiteral("FormColor= 2147483648"); }},
        {"colour just past the smallest", [](QStringList& l) { l[3] = QStringLiteral("FormColor= -2147483649"); }},
        {"boolean that is a word", [](QStringList& l) { l[5] = QStringLiteral("yes"); }},
        {"empty boolean", [](QStringList& l) { l[7] = QString(); }},
        // The rest of the folder is taken as the colour item and everything shifts.
        {"bare folder with a comma", [](QStringList& l) { l[2] = QStringLiteral("Question=/a,b/"); }},
        {"sound line shorter than its key", [](QStringList& l) { l[11] = QStringLiteral("BGM"); }},
        {"missing switch line", [](QStringList& l) { l.removeLast(); }},
        {"blank line at the end", [](QStringList& l) { l << QString(); }},
        {"22 sound entries",
         [](QStringList& l) {
             for (int i = kSoundEvents; i <= kSoundEntries; ++i)
                 l << QStringLiteral("Extra=/snd/x.wav") << QStringLiteral("On");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines = ValidLines();
        c.edit(lines);
        SettingsRecord record;
        EXPECT_EQ(SettingsFile::Read(Write(lines), record), ReadStatus::BadValue);
    }
    // Cut short anywhere before the sound section.
    for (int n = 1; n < 9; ++n) {
        SettingsRecord record;
        EXPECT_EQ(SettingsFile::Read(Write(ValidLines().mid(0, n)), record), ReadStatus::BadValue) << n << " lines";
    }
}

TEST_F(SettingsFileTest, MissingFileAndMalformedNamesAreToldApart)
{
    SettingsRecord record;
    EXPECT_EQ(SettingsFile::Read(Path(QStringLiteral("absent.ini")), record), ReadStatus::BadValue);
    EXPECT_EQ(SettingsFile::Read(dir.path(), record), ReadStatus::BadValue); // a folder
    EXPECT_EQ(SettingsFile::Read(QString(), record), ReadStatus::BadPath);
    EXPECT_EQ(SettingsFile::Read(Path(QString(300, u'x')), record), ReadStatus::BadPath);
    EXPECT_EQ(SettingsFile::Read(Path(QStringLiteral("a")) + QChar(u'\0') + QStringLiteral("b"), record),
              ReadStatus::BadPath);
}

TEST_F(SettingsFileTest, FailureKeepsWhatWasReadBefore)
{
    QStringList lines = ValidLines();
    lines << QStringLiteral("Extra=/snd/x.wav"); // entry 10 without its switch
    SettingsRecord record;
    ASSERT_EQ(SettingsFile::Read(Write(lines), record), ReadStatus::BadValue);
    EXPECT_EQ(record.SoundSwitch[SoundError], "On");
    EXPECT_EQ(record.SoundFile[10], "/snd/x.wav");
}

TEST_F(SettingsFileTest, WritesTheLayoutByteForByte)
{
    SettingsRecord r;
    r.SettingsHeader = SettingsFile::kDottedCellsHeader;
    r.QuestionFolder = QStringLiteral("/Data/NONO/");
    r.FormColor = 15;
    r.LineMarkMode = true;
    r.EndMessageDisplay = false;
    for (size_t i = 0; i < kSoundEvents; ++i) {
        r.SoundFile[i] = QStringLiteral("/S/%1.wav").arg(i);
        r.SoundSwitch[i] = QStringLiteral("On");
    }
    ASSERT_TRUE(SettingsFile::Write(Path(), r, true));
    QByteArray expected = AnsiText::Encode(SettingsFile::kDottedCellsHeader) +
                          "\r\n[Data Folder]\r\nQuestion=/data/nono/\r\nFormColor= 15\r\n[Line Mark Mode]\r\nTrue\r\n"
                          "[EndWindow Display Mode]\r\nFalse\r\n[Sound Files List]\r\n"
                          "Opening=/S/0.wav\r\nOn\r\nBGM=/S/1.wav\r\nOn\r\nStart=/S/2.wav\r\nOn\r\n"
                          "End=/S/3.wav\r\nOn\r\nStop=/S/4.wav\r\nOn\r\nEntry=/S/5.wav\r\nOn\r\n"
                          "Function=/S/6.wav\r\nOn\r\nCorrect Answer=/S/7.wav\r\nOn\r\n"
                          "UnCorrect Answer=/S/8.wav\r\nOn\r\nError=/S/9.wav\r\nOn\r\n";
    EXPECT_EQ(Bytes(Path()), expected);

    // The sign position of the colour.
    for (const auto& [color, text] :
         {std::pair{0, "FormColor= 0"}, std::pair{-1, "FormColor=-1"}, std::pair{INT32_MIN, "FormColor=-2147483648"}}) {
        r.FormColor = color;
        EXPECT_EQ(SettingsFile::Lines(r).at(3), QLatin1String(text));
    }
    // Entries beyond the ten events are read but never written.
    r.SoundFile[12] = QStringLiteral("/x.wav");
    EXPECT_EQ(SettingsFile::Lines(r).size(), 29);
}

TEST_F(SettingsFileTest, JapaneseHeaderAndFullWidthPathsRoundTrip)
{
    QStringList lines = ValidLines();
    lines[0] = QStringLiteral("★【べ り ん】イニシャルデータ★");
    lines[2] = QStringLiteral("Question=/home/ゆーざー/ｸｲｽﾞ～①/");
    lines[9] = QStringLiteral("Opening=/home/ゆーざー/サウンド/ＢＧＭ　曲～①･ｱ.wav");
    lines[11] = QStringLiteral("BGM=Soundなし");
    const QString path = Write(lines);
    const QByteArray before = Bytes(path);

    SettingsRecord record;
    ASSERT_EQ(SettingsFile::Read(path, record), ReadStatus::Ok);
    ASSERT_TRUE(SettingsFile::Write(path, record, true));
    EXPECT_EQ(Bytes(path), before);
}

TEST_F(SettingsFileTest, SoundsWithoutFileAreSwitchedOffExceptForTheCrossLineSave)
{
    SettingsRecord r;
    r.SettingsHeader = SettingsFile::kSolidCellsHeader;
    r.SoundSwitch.fill(QStringLiteral("On"));
    r.SoundFile[SoundStart] = QStringLiteral("Soundなし");
    r.SoundFile[SoundEnd] = QStringLiteral("/snd/end.wav");
    r.SoundFile[15] = QString(); // beyond the ten events: left alone

    SettingsRecord keep = r;
    ASSERT_TRUE(SettingsFile::Write(Path(), keep, false));
    SettingsRecord back;
    ASSERT_EQ(SettingsFile::Read(Path(), back), ReadStatus::Ok);
    EXPECT_EQ(back.SoundSwitch[SoundOpening], "On");
    EXPECT_EQ(keep.SoundSwitch[SoundOpening], "On");

    ASSERT_TRUE(SettingsFile::Write(Path(), r, true));
    ASSERT_EQ(SettingsFile::Read(Path(), back), ReadStatus::Ok);
    for (SettingsRecord* s : {&r, &back}) {
        EXPECT_EQ(s->SoundSwitch[SoundOpening], "Off");
        EXPECT_EQ(s->SoundSwitch[SoundStart], "Off");
        EXPECT_EQ(s->SoundSwitch[SoundEnd], "On");
    }
    EXPECT_EQ(r.SoundSwitch[15], "On");
}

TEST_F(SettingsFileTest, ValuesThatWouldNotReadBackAreNotWritten)
{
    SettingsRecord r;
    r.SettingsHeader = SettingsFile::kSolidCellsHeader;
    r.QuestionFolder = QStringLiteral("/data/a,b/");
    ASSERT_TRUE(SettingsFile::Write(Path(), r, true));
    SettingsRecord back;
    ASSERT_EQ(SettingsFile::Read(Path(), back), ReadStatus::Ok);
    EXPECT_EQ(back.QuestionFolder, "/data/a,b/");
    EXPECT_EQ(back.FormColor, r.FormColor);
    const QByteArray good = Bytes(Path());

    const auto refused = [&](const std::function<void(SettingsRecord&)>& edit) {
        SettingsRecord bad = r;
        edit(bad);
        EXPECT_FALSE(SettingsFile::Write(Path(), bad, true));
        EXPECT_EQ(Bytes(Path()), good);
    };
    refused([](SettingsRecord& s) { s.QuestionFolder = QStringLiteral("/home/josé/"); });
    refused([](SettingsRecord& s) { s.SoundFile[SoundEnd] = QStringLiteral("/snd/a\nb.wav"); });
    refused([](SettingsRecord& s) { s.QuestionFolder = QStringLiteral("/a,\"b/"); });
    EXPECT_FALSE(SettingsFile::Write(Path(QStringLiteral("no-such-folder/velin.ini")), r, true));
}

TEST_F(SettingsFileTest, LocatePrefersVelinIniIgnoringCase)
{
    const QString folder = QDir(dir.path()).absolutePath() + u'/';
    EXPECT_EQ(SettingsFile::Locate(folder), folder + "nonogram.ini");
    Write(ValidLines(), QStringLiteral("NONOGRAM.INI"));
    Paths::ForgetListings();
    EXPECT_EQ(SettingsFile::Locate(folder), folder + "NONOGRAM.INI");
    Write(ValidLines(), QStringLiteral("Velin.ini"));
    Paths::ForgetListings();
    EXPECT_EQ(SettingsFile::Locate(folder), folder + "Velin.ini");
}

// Damaged files never crash the reader, and whatever it accepts the writer
// either refuses or writes so that it reads back the same.
TEST_F(SettingsFileTest, MangledFilesReadSafelyAndWhatIsAcceptedRoundTrips)
{
    QRandomGenerator random(20240611);
    const QByteArray valid = [&] {
        QByteArray bytes;
        for (const QString& line : ValidLines())
            bytes += AnsiText::Encode(line) + "\r\n";
        return bytes;
    }();
    const QByteArray alphabet("\r\n,\" -09aT\x81\x9a\xff");
    int accepted = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = valid;
        const int edits = 1 + random.bounded(6);
        for (int e = 0; e < edits; ++e) {
            const qsizetype at = random.bounded(int(bytes.size()) + 1);
            const char c = alphabet.at(random.bounded(int(alphabet.size())));
            switch (random.bounded(3)) {
            case 0:
                bytes.insert(at, c);
                break;
            case 1:
                bytes.remove(at, 1 + random.bounded(8));
                break;
            default:
                if (at < bytes.size())
                    bytes[at] = c;
            }
        }
        const QString path = Path(QStringLiteral("mangled.ini"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();

        SettingsRecord record;
        if (SettingsFile::Read(path, record) != ReadStatus::Ok)
            continue;
        ++accepted;
        SettingsRecord written = record;
        if (!SettingsFile::Write(Path(QStringLiteral("rewritten.ini")), written, false))
            continue;
        SettingsRecord back;
        ASSERT_EQ(SettingsFile::Read(Path(QStringLiteral("rewritten.ini")), back), ReadStatus::Ok)
            << bytes.toHex().constData();
        EXPECT_EQ(back.SettingsHeader, record.SettingsHeader);
        EXPECT_EQ(back.QuestionFolder, record.QuestionFolder.toLower());
        if (record.FormColor >= 0) { // a sign in the sign position is cut off when read
            EXPECT_EQ(back.FormColor, record.FormColor);
        }
        EXPECT_EQ(back.LineMarkMode, record.LineMarkMode);
        EXPECT_EQ(back.EndMessageDisplay, record.EndMessageDisplay);
        for (size_t i = 0; i < kSoundEvents; ++i) {
            EXPECT_EQ(back.SoundFile[i], record.SoundFile[i]);
            EXPECT_EQ(back.SoundSwitch[i], record.SoundSwitch[i]);
        }
    }
    EXPECT_GT(accepted, 0); // the mangling leaves some files readable
}
