#include "BoardFixture.h"
#include "board/BoardCanvas.h"
#include "platform/Paths.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace velin;
using namespace velin::test;

namespace {

using BoardShell = BoardTest;

TEST_F(BoardShell, CaptionAndEveryMenuCaption)
{
    frmNono& b = Board();
    EXPECT_EQ(b.windowTitle(), QStringLiteral("イラスト・パズル『べ り ん』"));
    QStringList top;
    for (QAction* a : b.menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, (QStringList{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "変更(&C)", "ﾍﾙﾌﾟ(&H)"}));

    const std::pair<QAction*, const char*> items[] = {
        {b.MenuFileOpen, "問題を開く(&O)..."},
        {b.MenuFileHintList, "問題のヒントリスト表示(&L)"},
        {b.MenuQuestionEntry, "問題の追加登録(&E)"},
        {b.MenuQuestionMake, "問題を作成(&M)"},
        {b.MenuFileHalt, "パズルの中断保存(&H)"},
        {b.MenuFileRestor, "中断パズルの復元(&R)"},
        {b.MenuFilePrint, "表示画面印刷(&P)"},
        {b.MenuFilePrintForm, "表示フォーム印刷(&F)"},
        {b.MenuFileWhiteForm, "升目枠フォーム印刷(&W)"},
        {b.MenuStop, "処理の中止(&S)"},
        {b.MenuFileExit, "終了(&X)"},
        {b.MenuEditCopy, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞｺﾋﾟｰ(&C)"},
        {b.mnuViewWebBrowser, "WWW ﾌﾞﾗｳｻﾞ(&W)"},
        {b.mnuViewComment, "問題への「一言」(&C)"},
        {b.mnuViewDifficulty, "難易度(&D)"},
        {b.menuCrossLine->menuAction(), "ｸﾛｽ･ﾗｲﾝ On/Off(&L)"},
        {b.MarkOn_Off[0], "有り(&O)"},
        {b.MarkOn_Off[1], "無し(&F)"},
        {b.MenuOptionSound, "ｻｳﾝﾄﾞﾌｧｲﾙ変更(&F)"},
        {b.MenuOptionSoundChange, "ｻｳﾝﾄﾞOn/Off(&C)"},
        {b.menuBgm->menuAction(), "BGMのＯn/Ｏff(&B)"},
        {b.BGM_On_Off[0], "Ｏn(&O)"},
        {b.BGM_On_Off[1], "Ｏff(&F)"},
        {b.MenuOptionColor, "背景色変更(&S)"},
        {b.MenuLineStyle, "升目線種変更(&L)"},
        {b.menuEndMessage->menuAction(), "終了ﾒｯｾｰｼﾞ表示(&M)"},
        {b.On_Off[0], "On(&O)"},
        {b.On_Off[1], "Off(&F)"},
        {b.MenuHelp_velin, "べりんﾍﾙﾌﾟ(&M)"},
        {b.MenuHelp_Ver, "ﾊﾞｰｼﾞｮﾝ情報(&A)"},
    };
    for (const auto& [action, caption] : items)
        EXPECT_EQ(action->text(), QString::fromUtf8(caption));
}

TEST_F(BoardShell, StartsIdleWithTheOpeningPicture)
{
    frmNono& b = Board();
    EXPECT_FALSE(b.imgSnake->isHidden());
    EXPECT_EQ(b.lblIdleHint->text(), QStringLiteral("ヒント　爬虫類"));
    EXPECT_EQ(b.lblIdleAnswer->text(), QStringLiteral("答　え　へ　び"));
    EXPECT_TRUE(b.lblIdleAnswer->font().bold());
    EXPECT_EQ(b.cmdStart->text(), QStringLiteral("開 始"));
    EXPECT_FALSE(b.cmdStart->isEnabled());
    EXPECT_FALSE(b.MenuStop->isEnabled());
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Pc"));
    EXPECT_EQ(b.tmrTimer.interval(), 1000);
}

TEST_F(BoardShell, ExitAndTheCloseBoxLeaveWithTheEndSound)
{
    TempFolder sounds;
    WriteSoundFiles(sounds.Path());
    Shared.SoundFile[SoundEnd] = sounds.File(QStringLiteral("end.wav"));
    Shared.SoundSwitch[SoundEnd] = QStringLiteral("On");
    Shared.SoundSwitch[SoundBGM] = QStringLiteral("On");
    for (int viaCloseBox = 0; viaCloseBox < 2; ++viaCloseBox) {
        platform.mci.commands.clear();
        platform.ended = false;
        const double before = platform.clock.now;
        if (viaCloseBox)
            Board().close();
        else
            Board().MenuFileExit_Click();
        EXPECT_TRUE(platform.ended);
        EXPECT_EQ(platform.mci.commands,
                  (QStringList{QStringLiteral("close all"), QStringLiteral("play ") + Shared.SoundFile[SoundEnd]}));
        EXPECT_GE(platform.clock.now - before, 2.0); // waited for the sound
    }
}

TEST_F(BoardShell, OptionMenusRewriteTheSettings)
{
    TempFolder config;
    Shared.SettingsPath = config.File(QStringLiteral("velin.ini"));
    Shared.SettingsHeader = QStringLiteral("【べ り ん】イニシャルデータ");
    Shared.LineMarkMode = true;
    Shared.EndMessageDisplay = true;
    frmNono& b = Board();
    b.ShowSettingsInMenus();

    platform.dialogs.answers = {Dialogs::Answer::Yes};
    b.MarkOn_Off_Click(1);
    EXPECT_FALSE(Shared.LineMarkMode);
    EXPECT_FALSE(b.MarkOn_Off[0]->isChecked());
    EXPECT_TRUE(b.MarkOn_Off[1]->isChecked());
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes()[0].title, QStringLiteral("クロスライン[有・無]変更結果保存"));
    ASSERT_TRUE(QFile::exists(Shared.SettingsPath));
    EXPECT_TRUE(config.ReadBytes(QStringLiteral("velin.ini")).contains("[Line Mark Mode]\r\nFalse\r\n"));

    // Choosing the item that is already checked keeps it checked.
    platform.dialogs.answers = {Dialogs::Answer::No};
    b.MarkOn_Off_Click(1);
    EXPECT_TRUE(b.MarkOn_Off[1]->isChecked());

    b.On_Off_Click(1);
    EXPECT_FALSE(Shared.EndMessageDisplay);
    EXPECT_TRUE(b.On_Off[1]->isChecked());
    EXPECT_FALSE(b.On_Off[0]->isChecked());
    EXPECT_TRUE(config.ReadBytes(QStringLiteral("velin.ini")).contains("[EndWindow Display Mode]\r\nFalse\r\n"));

    platform.dialogs.log.clear();
    platform.dialogs.answers = {Dialogs::Answer::No};
    b.MenuLineStyle->trigger();
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes()[0].title, QStringLiteral("升目区切り線種変更"));
}

TEST_F(BoardShell, MusicMenuFollowsTheSoundPlayer)
{
    frmNono& b = Board();
    Sounds().SetBgmMenuEnabled(false);
    EXPECT_FALSE(b.menuBgm->isEnabled());
    Sounds().SetBgmMenuEnabled(true);
    Shared.SoundSwitch[SoundBGM] = QStringLiteral("On");
    b.BGM_On_Off_Click(1);
    EXPECT_TRUE(b.BGM_On_Off[1]->isChecked());
    EXPECT_FALSE(b.BGM_On_Off[0]->isChecked());
}

TEST_F(BoardShell, SeparatorUnderTheMenuBarFollowsTheWidth)
{
    frmNono& b = Board();
    b.resize(700, 400);
    b.Form_Resize();
    EXPECT_EQ(b.MenuLine->width(), b.canvas->width());
}

} // namespace
