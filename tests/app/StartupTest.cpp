#include "Fixtures.h"
#include "TestPlatform.h"
#include "app/SubMain.h"
#include "app/frmOpening.h"
#include "board/frmNono.h"
#include "media/SoundPlayer.h"
#include "platform/Twips.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

using namespace velin;
using namespace velin::test;

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        Sounds().Reset();
        fixture.questionFolder = questions.Path();
        fixture.soundFolder = sounds.Path();
        WriteSoundFiles(sounds.Path());
    }
    void TearDown() override
    {
        opening.reset();
        UnloadNonoForm();
        Sounds().Reset();
    }
    // Loads the opening form as the entry procedure would.
    frmOpening& Load()
    {
        WriteSettingsFile(SettingsLines(fixture));
        SetLayoutValues(platform.screen.height);
        opening = std::make_unique<frmOpening>();
        opening->Form_Load();
        return *opening;
    }
    QString Sound(const char* name) const { return sounds.Path() + QString::fromLatin1(name) + ".wav"; }

    TestPlatform platform;
    TempFolder questions;
    TempFolder sounds;
    SettingsFixture fixture;
    std::unique_ptr<frmOpening> opening;
};

TEST_F(Startup, FilesCheckFindsEachProbeNameAndNothingElse)
{
    struct Case {
        const char* file;
        bool found;
    } cases[] = {{"kabQue000.dat", true}, {"velin000.dat", true}, {"nono000.dat", true},
                 {"KABQUE000.DAT", true}, {"nono001.dat", false}, {nullptr, false}};
    for (const Case& c : cases) {
        TempFolder folder;
        if (c.file)
            folder.WriteAnsi(QString::fromLatin1(c.file), {"x"});
        platform.dialogs.log.clear();
        platform.mci.commands.clear();
        frmOpening form;
        form.OpeningFolder = folder.Path();
        EXPECT_EQ(form.FilesCheck(), c.found) << (c.file ? c.file : "(none)");
        if (c.found) {
            EXPECT_TRUE(platform.dialogs.log.empty());
            EXPECT_TRUE(QFile::exists(form.OpeningFolder)) << qPrintable(form.OpeningFolder);
        } else {
            ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
            const auto box = platform.dialogs.Boxes()[0];
            EXPECT_EQ(box.title, QStringLiteral("問題・解答ファイル検索"));
            EXPECT_EQ(box.text, QStringLiteral("　問題・解答ファイルが不明です！\nフォルダーを再確認して下さい。"));
            EXPECT_EQ(box.icon, Dialogs::Icon::Exclamation);
            EXPECT_EQ(form.OpeningFolder, folder.Path());
        }
    }
}

TEST_F(Startup, MissingProbeFilePlaysErrorAndStartupGoesOn)
{
    frmOpening& form = Load();
    EXPECT_FALSE(platform.ended);
    EXPECT_TRUE(platform.mci.commands.contains(QStringLiteral("play ") + Sound("error")));
    EXPECT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_TRUE(form.cmdStart->isEnabled());
    // The opening sound is sent directly, without closing or opening first.
    EXPECT_EQ(platform.mci.commands.last(), QStringLiteral("play ") + Sound("opening"));
}

TEST_F(Startup, BadSettingsEndTheProgramBeforeTheBoardLoads)
{
    WriteSettingsFile({QStringLiteral("【べ り ん】イニシャルデータ")});
    opening = std::make_unique<frmOpening>();
    opening->Form_Load();
    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(NonoFormIfLoaded(), nullptr);
    EXPECT_FALSE(opening->cmdStart->isEnabled());
}

TEST_F(Startup, AnimationBuildsThePictureInOrderThenStartsAgain)
{
    questions.WriteAnsi(QStringLiteral("velin000.dat"), {"x"});
    frmOpening& form = Load();
    for (QLabel* piece : form.imgSnake)
        EXPECT_TRUE(piece->isHidden());
    for (int tick = 0; tick < 25; ++tick) {
        form.tmTimer_Timer();
        EXPECT_FALSE(form.imgSnake[frmOpening::SnakeOrder[tick]]->isHidden()) << tick;
    }
    for (QLabel* piece : form.imgSnake)
        EXPECT_FALSE(piece->isHidden());
    form.tmTimer_Timer(); // the 26th tick hides everything
    for (QLabel* piece : form.imgSnake)
        EXPECT_TRUE(piece->isHidden());
    form.tmTimer_Timer();
    EXPECT_FALSE(form.imgSnake[2]->isHidden());
    EXPECT_EQ(form.SnakeStep, 1);
    EXPECT_EQ(form.tmTimer.interval(), 1500);
}

TEST_F(Startup, PiecesArePlacedOnTheGrid)
{
    frmOpening& form = Load();
    EXPECT_NEAR(Twips::ControlLeft(form.imgSnake[7]), 560 + 300 * 2, 15);
    EXPECT_NEAR(Twips::ControlTop(form.imgSnake[7]), 1600 + 300 * 1, 15);
    EXPECT_NEAR(Twips::ControlWidth(form.imgSnake[24]), 280, 15);
}

TEST_F(Startup, BoardFormSizesPerScreenClass)
{
    struct Case {
        const char* name;
        double width, height, tpp;
        double formW, formH, startLeft, startTop, startW, startH;
    } cases[] = {
        {"640x480", 9600, 7200, 15, 5000, 3900, 3000, 1800, 1120, 430},
        {"1920x1080", 28800, 16200, 15, 5500, 4300, 3400, 2000, 1500, 520},
        {"large fonts", 23040, 12960, 12, 5400, 3900, 3100, 1700, 1500, 520},
    };
    for (const Case& c : cases) {
        platform.screen.width = c.width;
        platform.screen.height = c.height;
        platform.screen.tppX = platform.screen.tppY = c.tpp;
        Load();
        frmNono& board = NonoForm();
        EXPECT_NEAR(board.FormWidth(), c.formW, c.tpp) << c.name;
        EXPECT_NEAR(board.FormHeight(), c.formH, c.tpp) << c.name;
        EXPECT_NEAR(Twips::ControlLeft(board.cmdStart), c.startLeft, c.tpp) << c.name;
        EXPECT_NEAR(Twips::ControlTop(board.cmdStart), c.startTop, c.tpp) << c.name;
        EXPECT_NEAR(Twips::ControlWidth(board.cmdStart), c.startW, c.tpp) << c.name;
        EXPECT_NEAR(Twips::ControlHeight(board.cmdStart), c.startH, c.tpp) << c.name;
        EXPECT_DOUBLE_EQ(board.MinFormWidth, board.FormWidth()) << c.name;
        // The instruction, wrapped as the label draws it, fits the label,
        // and the label its frame: the first thing a person reads.
        const QLabel* label = board.lblComent;
        const QRect box = label->contentsRect();
        const QRect text =
            QFontMetrics(label->font()).boundingRect(box, Qt::TextWordWrap | label->alignment(), label->text());
        EXPECT_TRUE(box.contains(text)) << c.name << ": text " << text.height() << " px high in a box of "
                                        << box.height();
        EXPECT_TRUE(board.shpComent->geometry().contains(label->geometry())) << c.name;
        EXPECT_GE(label->font().pointSizeF(), 8) << c.name << ": still readable";
        opening.reset();
        UnloadNonoForm();
    }
}

TEST_F(Startup, StartButtonFontGrowsOnTallScreens)
{
    platform.screen.SetLarge();
    Load();
    // The button's designed font is 9 points.
    EXPECT_DOUBLE_EQ(NonoForm().cmdStart->font().pointSizeF(), 13.5);
}

TEST_F(Startup, StartWithoutMusicPlaysTheStartSoundAndDisablesTheMusicMenu)
{
    frmOpening& form = Load();
    platform.mci.commands.clear();
    platform.screen.pointerMoves.clear();
    form.cmdStart_Click();
    EXPECT_FALSE(platform.ended);
    EXPECT_TRUE(NonoForm().isVisible());
    EXPECT_FALSE(NonoForm().menuBgm->isEnabled());
    EXPECT_EQ(platform.mci.commands,
              (QStringList{QStringLiteral("close all"), QStringLiteral("play ") + Sound("start")}));
    EXPECT_FALSE(Sounds().tmrWait.isActive());
    ASSERT_EQ(platform.screen.pointerMoves.size(), 1u); // onto the board's menu bar
    EXPECT_TRUE(form.isHidden());
}

TEST_F(Startup, StartWithMusicArmsTheWaitTimer)
{
    fixture.bgmOn = true;
    frmOpening& form = Load();
    platform.mci.commands.clear();
    form.cmdStart_Click();
    EXPECT_TRUE(Sounds().tmrWait.isActive());
    EXPECT_TRUE(NonoForm().menuBgm->isEnabled());
    EXPECT_EQ(platform.mci.commands, QStringList{QStringLiteral("close all")});
}

TEST_F(Startup, StopAndTheCloseBoxBothEndTheProgramWithTheEndSound)
{
    for (int viaCloseBox = 0; viaCloseBox < 2; ++viaCloseBox) {
        frmOpening& form = Load();
        platform.mci.commands.clear();
        platform.ended = false;
        if (viaCloseBox)
            form.close();
        else
            form.cmdStop_Click();
        EXPECT_TRUE(platform.ended) << viaCloseBox;
        EXPECT_EQ(platform.mci.commands,
                  (QStringList{QStringLiteral("close all"), QStringLiteral("play ") + Sound("end")}))
            << viaCloseBox;
        opening.reset();
        UnloadNonoForm();
    }
}

TEST_F(Startup, SubMainFixesLayoutValuesAndPointsAtTheStartButton)
{
    WriteSettingsFile(SettingsLines(fixture));
    platform.screen.SetLarge();
    frmOpening* form = SubMain();
    opening.reset(form);
    EXPECT_DOUBLE_EQ(Shared.ScreenScale, 1.5);
    EXPECT_EQ(Shared.BaseCellSize, 270);
    EXPECT_DOUBLE_EQ(Shared.ClueFontSize4, 9);
    EXPECT_DOUBLE_EQ(Shared.StatusFontSize, 15.75);
    EXPECT_EQ(Shared.DefaultSolveMode, QStringLiteral("Pc"));
    EXPECT_TRUE(Shared.VersionBanner.contains(QStringLiteral("4.40")));
    ASSERT_FALSE(platform.screen.pointerMoves.empty());
    const QPointF p = platform.screen.pointerMoves.back();
    const double x = Twips::ControlLeft(form->cmdStart) + Twips::Left(form) + Twips::ControlWidth(form->cmdStart) / 2;
    EXPECT_NEAR(p.x(), x, 1e-6);

    SetLayoutValues(7200);
    EXPECT_DOUBLE_EQ(Shared.ScreenScale, 1.0);
    EXPECT_EQ(Shared.BaseCellSize, 180);
    EXPECT_DOUBLE_EQ(Shared.ClueFontSize1, 10);
    EXPECT_DOUBLE_EQ(Shared.TitleFontSize, 9);
}

} // namespace
