#include "app/Settings.h"
#include "TestPlatform.h"
#include "app/SettingsFile.h"
#include "media/SoundPlayer.h"
#include "platform/AnsiText.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace velin;
using Answer = Dialogs::Answer;

namespace {

const QString kReadTitle = QStringLiteral("初期設定値読込");

QStringList ValidLines()
{
    QStringList lines{QStringLiteral("【べ り ん】イニシャルデータ"),
                      QStringLiteral("[Data Folder]"),
                      QStringLiteral("Question=/data/Question/"),
                      QStringLiteral("FormColor= 15"),
                      QStringLiteral("[Line Mark Mode]"),
                      QStringLiteral("True"),
                      QStringLiteral("[EndWindow Display Mode]"),
                      QStringLiteral("True"),
                      QStringLiteral("[Sound Files List]")};
    for (size_t i = 0; i < kSoundEvents; ++i)
        lines << SettingsFile::kSoundKeys[i] + (i == SoundStart ? QString() : QStringLiteral("/snd/%1.wav").arg(i))
              << QStringLiteral("On");
    return lines;
}

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest()
    {
        QDir().mkpath(Paths::ConfigFolder());
        Sounds().Reset();
    }

    test::TestPlatform platform;

    QString Ini(const QString& name = QStringLiteral("velin.ini")) const { return Paths::ConfigFolder() + name; }
    QString WriteIni(const QStringList& lines, const QString& name = QStringLiteral("velin.ini")) const
    {
        AnsiText::WriteLines(Ini(name), lines);
        Paths::ForgetListings();
        return Ini(name);
    }
    static QByteArray Bytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList ConfigFiles() const { return QDir(Paths::ConfigFolder()).entryList(QDir::Files); }
};

} // namespace

TEST_F(SettingsTest, ReadsTheConfigFolderFileAtStartup)
{
    WriteIni(ValidLines());
    ASSERT_TRUE(ReadSettings());
    EXPECT_EQ(Shared.SettingsPath, Ini());
    EXPECT_EQ(Shared.WindowsFolder, Paths::ConfigFolder());
    EXPECT_EQ(Shared.QuestionFolder, "/data/Question/");
    EXPECT_EQ(Shared.HomeFolder, "/data/Question/");
    EXPECT_TRUE(platform.dialogs.log.empty());
    EXPECT_FALSE(platform.ended);
}

TEST_F(SettingsTest, FallsBackToTheOlderName)
{
    WriteIni(ValidLines(), QStringLiteral("nonogram.ini"));
    ASSERT_TRUE(ReadSettings());
    EXPECT_EQ(Shared.SettingsPath, Ini(QStringLiteral("nonogram.ini")));
}

TEST_F(SettingsTest, MissingOrDamagedFileEndsTheProgramWithoutWritingAnything)
{
    struct Case {
        const char* name;
        std::optional<QStringList> file; // none: no file at all
    };
    QStringList tooMany = ValidLines();
    for (int i = kSoundEvents; i <= kSoundEntries; ++i)
        tooMany << QStringLiteral("Extra=/snd/x.wav") << QStringLiteral("On");
    const Case cases[] = {
        {"no file", std::nullopt},
        {"cut short", ValidLines().mid(0, 5)},
        {"22 sound entries", tooMany},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestPlatform fresh;
        QDir().mkpath(Paths::ConfigFolder());
        QByteArray before;
        if (c.file)
            before = Bytes(WriteIni(*c.file));
        const QStringList filesBefore = ConfigFiles();

        EXPECT_FALSE(ReadSettings());
        EXPECT_TRUE(fresh.ended);
        EXPECT_EQ(fresh.endCode, 1) << "a forced end is a failure to the shell";
        ASSERT_EQ(fresh.dialogs.Boxes().size(), 1u);
        const auto box = fresh.dialogs.Boxes().front();
        EXPECT_EQ(box.text, QStringLiteral("[velin.ini]の値が不正です。\n\n　　強制終了します！"));
        EXPECT_EQ(box.title, kReadTitle);
        EXPECT_EQ(box.icon, Dialogs::Icon::Exclamation);
        EXPECT_EQ(ConfigFiles(), filesBefore);
        if (c.file) {
            EXPECT_EQ(Bytes(Ini()), before);
        }
    }
}

TEST_F(SettingsTest, ErrorSoundOnlyWhenItWasAlreadyReadAsOn)
{
    QStringList lines = ValidLines();
    lines << QStringLiteral("Extra=/snd/x.wav"); // an entry without its switch line
    WriteIni(lines);
    EXPECT_FALSE(ReadSettings());
    // The file does not exist, so its short path is empty; the commands are sent anyway.
    EXPECT_EQ(platform.mci.commands, (QStringList{"close all", "open ", "play "}));

    test::TestPlatform fresh;
    QDir().mkpath(Paths::ConfigFolder());
    WriteIni(ValidLines().mid(0, 20)); // fails before the Error entry
    EXPECT_FALSE(ReadSettings());
    EXPECT_TRUE(fresh.mci.commands.isEmpty());
}

TEST_F(SettingsTest, MalformedNameHasItsOwnMessage)
{
    // A config folder whose name the file system cannot hold.
    qputenv("XDG_CONFIG_HOME", (QStringLiteral("/tmp/") + QString(300, u'x')).toUtf8());
    EXPECT_FALSE(ReadSettings());
    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(platform.endCode, 1);
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes().front().text, QStringLiteral("[velin.ini]を読めません。\n　　強制終了します！"));
    EXPECT_EQ(platform.dialogs.Boxes().front().title, kReadTitle);
}

TEST_F(SettingsTest, FailedWriteTellsThePlayerAndKeepsFileAndMemory)
{
    WriteIni(ValidLines());
    ASSERT_TRUE(ReadSettings());
    const QByteArray before = Bytes(Ini());
    Shared.QuestionFolder = QStringLiteral("/home/josé/"); // not in code page 932
    EXPECT_FALSE(WriteSettings());
    EXPECT_EQ(Shared.QuestionFolder, "/home/josé/");
    EXPECT_EQ(Bytes(Ini()), before);
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes().front().icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(platform.dialogs.Boxes().front().title, QStringLiteral("初期設定値保存"));
    EXPECT_FALSE(platform.ended);
}

TEST_F(SettingsTest, LineStyleCommandAsksTwiceAndSavesOnYes)
{
    const QString toDotted =
        QStringLiteral("変更線種は次の問題から有効です。\r升目線種を点線に、５升目毎の区切り線を実線に変更します。\r"
                       "変更内容をファイルに保存しますか？(保存しないと終了時に変更内容は失われます。)");
    const QString toSolid =
        QStringLiteral("変更線種は次の問題から有効です。\r升目線種を実線に、５升目毎の区切り線を点線に変更します。\r"
                       "変更内容をファイルに保存しますか？(保存しないと終了時に変更内容は失われます。)");
    struct Case {
        const char* name;
        bool dottedBefore;
        std::vector<Answer> answers;
        bool changed;
        bool saved;
    };
    const Case cases[] = {
        {"solid, no", false, {Answer::No}, false, false},
        {"solid, yes, keep in memory", false, {Answer::Yes, Answer::No}, true, false},
        {"solid, yes, save", false, {Answer::Yes, Answer::Yes}, true, true},
        {"dotted, yes, save", true, {Answer::Yes, Answer::Yes}, true, true},
        {"dotted, no", true, {Answer::No}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestPlatform fresh;
        QDir().mkpath(Paths::ConfigFolder());
        QStringList lines = ValidLines();
        lines[0] = c.dottedBefore ? SettingsFile::kDottedCellsHeader : SettingsFile::kSolidCellsHeader;
        WriteIni(lines);
        ASSERT_TRUE(ReadSettings());
        const QByteArray before = Bytes(Ini());
        fresh.dialogs.answers.assign(c.answers.begin(), c.answers.end());

        LineStyleCommand();

        const auto boxes = fresh.dialogs.Boxes();
        ASSERT_EQ(boxes.size(), c.answers.size());
        EXPECT_EQ(boxes[0].title, QStringLiteral("升目区切り線種変更"));
        EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::YesNo);
        EXPECT_EQ(boxes[0].icon, Dialogs::Icon::None);
        EXPECT_EQ(boxes[0].text,
                  (c.dottedBefore ? QStringLiteral("現在の線種は升目線=点線、５升毎の区切り線=実線です。")
                                  : QStringLiteral("現在の線種は升目線=実線、５升毎の区切り線=点線です。")) +
                      QStringLiteral("\r升目の線種を現在の逆に変更しますか？"));
        if (boxes.size() > 1) {
            EXPECT_EQ(boxes[1].title, QStringLiteral("升目区切り線種情報保存"));
            EXPECT_EQ(boxes[1].text, c.dottedBefore ? toSolid : toDotted);
        }
        const bool dottedNow = c.dottedBefore != c.changed;
        EXPECT_EQ(Shared.SettingsHeader,
                  dottedNow ? SettingsFile::kDottedCellsHeader : SettingsFile::kSolidCellsHeader);
        EXPECT_EQ(Shared.CellLineStyle, dottedNow ? 2 : 0);
        EXPECT_EQ(Shared.BlockLineStyle, dottedNow ? 0 : 2);
        if (c.saved) {
            SettingsRecord back;
            ASSERT_EQ(SettingsFile::Read(Ini(), back), SettingsFile::ReadStatus::Ok);
            EXPECT_EQ(back.SettingsHeader, Shared.SettingsHeader);
            EXPECT_EQ(back.SoundSwitch[SoundStart], "Off"); // an ordinary save
        } else {
            EXPECT_EQ(Bytes(Ini()), before);
        }
    }
}

TEST_F(SettingsTest, CrossLineSaveKeepsTheSwitchesAsTheyStand)
{
    WriteIni(ValidLines());
    ASSERT_TRUE(ReadSettings());
    const QByteArray before = Bytes(Ini());
    Shared.LineMarkMode = false;

    platform.dialogs.answers = {Answer::No};
    AskSaveCrossLine();
    EXPECT_EQ(Bytes(Ini()), before);

    platform.dialogs.answers = {Answer::Yes};
    AskSaveCrossLine();
    const auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, QStringLiteral("次回パズルより有効となります。変更内容をファイルに保存しますか？\r\n"
                                            "保存しないと終了時に変更内容は失われます。"));
    EXPECT_EQ(boxes[1].title, QStringLiteral("クロスライン[有・無]変更結果保存"));
    EXPECT_EQ(boxes[1].icon, Dialogs::Icon::Question);
    SettingsRecord back;
    ASSERT_EQ(SettingsFile::Read(Ini(), back), SettingsFile::ReadStatus::Ok);
    EXPECT_FALSE(back.LineMarkMode);
    EXPECT_EQ(back.SoundSwitch[SoundStart], "On"); // no file, still On
}
