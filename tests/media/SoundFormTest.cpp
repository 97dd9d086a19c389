#include "../board/BoardFixture.h"
#include "app/Settings.h"
#include "media/SoundNames.h"
#include "media/frmSound.h"
#include "platform/AnsiText.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace velin;
using namespace velin::test;

namespace {

class SoundForm : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        WriteSoundFiles(sounds.Path());
        SettingsFixture fixture;
        fixture.questionFolder = questions.Path();
        fixture.soundFolder = sounds.Path();
        settingsPath = WriteSettingsFile(SettingsLines(fixture));
        ASSERT_TRUE(ReadSettings());
        questions.WriteAnsi(QStringLiteral("nono001.dat"), QuestionLines({"1"}, {"1"}));
        Board();
    }

    QStringList SettingsOnDisk() const
    {
        QStringList lines;
        AnsiReader in(settingsPath);
        QString line;
        while (!in.AtEnd() && in.ReadLine(line))
            lines << line;
        return lines;
    }
    // Line of the file that holds the file (or, with +1, the switch) of an event.
    static int FileLine(int event) { return 9 + 2 * event; }

    // Chooses `item` in the sound list of the picker and presses OK.
    static std::function<void(QWidget*)> Choose(const QString& item)
    {
        return [item](QWidget*) {
            frmFileSel& picker = FileSelForm();
            const auto found = picker.lstFile->findItems(item, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << item.toStdString();
            picker.lstFile->setCurrentItem(found.first());
            picker.lstFile_Click();
            picker.cmdOk_Click();
        };
    }

    TempFolder sounds;
    QString settingsPath;
};

TEST_F(SoundForm, SwitchModeFlipsAndRefusesASoundWithoutFile)
{
    Shared.SoundSwitch[SoundBGM] = QStringLiteral("Off");
    Shared.SoundSwitch[SoundStart] = QString();
    Shared.SoundFile[SoundEnd] = QStringLiteral("Soundなし");
    Shared.SoundSwitch[SoundEnd] = QStringLiteral("Off");
    Shared.SoundFileMode = QStringLiteral("Off");
    frmSound form(&Board());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("サウンド接続切換[On/Off]"));
    EXPECT_EQ(form.lblTitle2->text(), QStringLiteral("　状　態"));
    EXPECT_EQ(form.optKind[10]->text(), QStringLiteral("ダミー"));
    EXPECT_FALSE(form.hsbScroll[0]->isVisibleTo(&form));

    platform.mci.commands.clear();
    for (int i : {SoundOpening, SoundBGM, SoundStart, SoundEnd})
        form.optKind_Click(i);
    EXPECT_EQ(form.lblCase[SoundOpening]->text(), QStringLiteral("Off"));
    EXPECT_EQ(form.lblCase[SoundBGM]->text(), QStringLiteral("On"));
    EXPECT_EQ(form.lblCase[SoundStart]->text(), QStringLiteral("On"));
    EXPECT_EQ(form.lblCase[SoundEnd]->text(), QStringLiteral("Off"));
    EXPECT_EQ(form.SwitchEdit[SoundBGM], QStringLiteral("On"));
    const auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("SoundFileが設定されてません。無効にします。"));
    EXPECT_EQ(boxes[0].title, QStringLiteral("サウンド[On/Off]設定"));
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(platform.mci.commands.contains(QStringLiteral("play ") + Shared.SoundFile[SoundError]));
    // Nothing reaches the settings until OK.
    EXPECT_EQ(Shared.SoundSwitch[SoundOpening], QStringLiteral("On"));
}

TEST_F(SoundForm, SwitchModeOkAsksAndTheWriterTurnsAnEmptyFileOff)
{
    Shared.SoundFile[SoundStop].clear();
    Shared.SoundSwitch[SoundStop] = QStringLiteral("Off");
    Shared.SoundFileMode = QStringLiteral("Off");
    frmSound form(&Board());
    form.optKind_Click(SoundStop);
    EXPECT_EQ(form.lblCase[SoundStop]->text(), QStringLiteral("On"));
    form.optKind_Click(SoundEntry); // On -> Off
    platform.dialogs.answers = {Dialogs::Answer::Yes};
    form.cmdSoundOk_Click();

    const auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("サウンド[On/Off]変更結果保存"));
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("変更内容をファイルに保存しますか？(保存しないと終了時に変更内容は失われます。)"));
    EXPECT_EQ(boxes[0].buttons, Dialogs::Buttons::YesNo);
    const QStringList disk = SettingsOnDisk();
    EXPECT_EQ(disk.value(FileLine(SoundStop)), QStringLiteral("Stop="));
    EXPECT_EQ(disk.value(FileLine(SoundStop) + 1), QStringLiteral("Off"));
    EXPECT_EQ(disk.value(FileLine(SoundEntry) + 1), QStringLiteral("Off"));
    EXPECT_EQ(Shared.SoundSwitch[SoundStop], QStringLiteral("Off"));
    EXPECT_TRUE(form.isHidden());
}

TEST_F(SoundForm, NoKeepsTheChangeInMemoryAndCancelDiscardsIt)
{
    const QStringList before = SettingsOnDisk();
    Shared.SoundFileMode = QStringLiteral("Off");
    {
        frmSound form(&Board());
        form.optKind_Click(SoundCorrect);
        platform.dialogs.answers = {Dialogs::Answer::No};
        form.cmdSoundOk_Click();
    }
    EXPECT_EQ(Shared.SoundSwitch[SoundCorrect], QStringLiteral("Off"));
    EXPECT_EQ(SettingsOnDisk(), before);

    platform.dialogs.log.clear();
    {
        frmSound form(&Board());
        form.optKind_Click(SoundUnCorrect);
        form.close(); // the close box is Cancel
        EXPECT_TRUE(form.isHidden());
    }
    EXPECT_EQ(Shared.SoundSwitch[SoundUnCorrect], QStringLiteral("On"));
    EXPECT_TRUE(platform.dialogs.Boxes().empty());
    EXPECT_EQ(SettingsOnDisk(), before);
}

TEST_F(SoundForm, SwitchingTheBgmOffStopsTheMusicAndDisablesItsMenu)
{
    Shared.SoundSwitch[SoundBGM] = QStringLiteral("On");
    Sounds().tmrSound.start();
    Shared.SoundFileMode = QStringLiteral("Off");
    frmSound form(&Board());
    form.optKind_Click(SoundBGM);
    platform.mci.commands.clear();
    form.cmdSoundOk_Click();
    EXPECT_FALSE(Sounds().tmrSound.isActive());
    EXPECT_FALSE(Sounds().BgmMenuEnabled());
    EXPECT_FALSE(Board().menuBgm->isEnabled());
    // The Entry sound is held back by the music; the music closes, and then,
    // with the music gone, the form's leaving plays the Stop sound.
    EXPECT_EQ(platform.mci.commands,
              (QStringList{QStringLiteral("close all"), QStringLiteral("close all"),
                           QStringLiteral("open ") + Shared.SoundFile[SoundStop],
                           QStringLiteral("play ") + Shared.SoundFile[SoundStop]}));
}

TEST_F(SoundForm, FileModeScrollsALongNameAndLeavesAShortOne)
{
    const QString longName = QStringLiteral("a_very_long_sound_file_name_for_testing.wav");
    ASSERT_EQ(longName.size(), 43);
    const QString name40 = longName.right(40);
    Shared.SoundFile[SoundOpening] = sounds.File(name40);
    Shared.SoundFileMode = QStringLiteral("On");
    frmSound form(&Board());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("サウンドファイル設定・変更"));
    EXPECT_EQ(form.lblTitle2->text(), QStringLiteral("ファイル名"));

    // The oracle: count characters with the form's own measure.
    const auto fitsFrom = [&](int start) {
        int n = 0;
        while (start + n < name40.size() && form.TextWidth(name40.mid(start, n + 1)) <= 1500)
            ++n;
        return name40.mid(start, n);
    };
    int drop = 0;
    while (form.TextWidth(name40.mid(drop)) > 1500)
        ++drop;
    ASSERT_GT(drop, 0) << "the name must be too wide for its label";

    QScrollBar* bar = form.hsbScroll[SoundOpening];
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->maximum(), drop + 2);
    EXPECT_EQ(form.lblCase[SoundOpening]->text(), fitsFrom(0));
    bar->setValue(3);
    EXPECT_EQ(form.lblCase[SoundOpening]->text(), fitsFrom(3));
    bar->setValue(drop);
    EXPECT_EQ(form.lblCase[SoundOpening]->text(), name40.mid(drop));

    // bgm.wav fits: shown whole, its bar left as it was.
    QScrollBar* shortBar = form.hsbScroll[SoundBGM];
    EXPECT_EQ(form.lblCase[SoundBGM]->text(), QStringLiteral("bgm.wav"));
    EXPECT_FALSE(shortBar->isEnabled());
    EXPECT_EQ(shortBar->maximum(), 0);
}

TEST_F(SoundForm, FileModePicksWithThePickerAndSavesWithoutAsking)
{
    sounds.WriteBytes(QStringLiteral("fanfare.mid"), "MThd");
    sounds.WriteBytes(QStringLiteral("notes.txt"), "x");
    QStringList listed;
    platform.dialogs.modalScripts = {
        [&](QWidget* sound) {
            auto* form = static_cast<frmSound*>(sound);
            form->optKind_Click(SoundCorrect);
            form->optKind_Click(SoundError);
            form->cmdSoundOk_Click();
        },
        [&](QWidget* picker) {
            frmFileSel& f = FileSelForm();
            EXPECT_EQ(picker, &f);
            EXPECT_EQ(f.windowTitle(), QStringLiteral("サウンドファイルの選択"));
            EXPECT_EQ(f.lblTitleName->text(), QStringLiteral("正解サウンド設定"));
            EXPECT_EQ(f.txtFileName[0]->text(), Shared.SoundFile[SoundCorrect]);
            EXPECT_TRUE(f.filFile->isHidden());
            for (int i = 0; i < f.lstFile->count(); ++i)
                listed << f.lstFile->item(i)->text();
            Choose(QStringLiteral("fanfare.mid"))(picker);
        },
        Choose(QStringLiteral("Soundなし")),
    };
    Board().MenuOptionSound_Click();

    EXPECT_EQ(listed.first(), QStringLiteral("Soundなし"));
    EXPECT_TRUE(listed.contains(QStringLiteral("fanfare.mid")));
    EXPECT_FALSE(listed.contains(QStringLiteral("notes.txt")));
    EXPECT_TRUE(platform.dialogs.Boxes().empty());
    EXPECT_EQ(Shared.SoundFile[SoundCorrect], sounds.File(QStringLiteral("fanfare.mid")));
    EXPECT_EQ(Shared.SoundFile[SoundError], QStringLiteral("Soundなし"));
    const QStringList disk = SettingsOnDisk();
    EXPECT_EQ(disk.value(FileLine(SoundCorrect)), QStringLiteral("Correct Answer=") + sounds.File("fanfare.mid"));
    EXPECT_EQ(disk.value(FileLine(SoundError)), QStringLiteral("Error=Soundなし"));
    EXPECT_EQ(disk.value(FileLine(SoundError) + 1), QStringLiteral("Off"));
}

TEST_F(SoundForm, PickerListsQuestionFilesFromTheQuestionFolderAfterwards)
{
    for (const bool ok : {true, false}) {
        platform.dialogs.modalScripts = {
            [ok](QWidget* sound) {
                auto* form = static_cast<frmSound*>(sound);
                form->optKind_Click(SoundStart);
                if (ok)
                    form->cmdSoundOk_Click();
                else
                    form->cmdSoundCancel_Click();
            },
            Choose(QStringLiteral("stop.wav")),
        };
        Board().MenuOptionSound_Click();
        frmFileSel& f = FileSelForm();
        EXPECT_FALSE(f.SoundConfiguration) << ok;
        EXPECT_EQ(Shared.SoundFileMode, QStringLiteral("Off"));
        EXPECT_EQ(f.DirPath(), questions.Path());
        EXPECT_FALSE(f.filFile->isHidden());
        EXPECT_TRUE(f.lstFile->isHidden());
        EXPECT_TRUE(f.cmdTest->isHidden());
        EXPECT_FALSE(f.fraMode->isHidden());
        EXPECT_TRUE(f.txtFileName[0]->text().isEmpty());
        ASSERT_EQ(f.filFile->count(), 1);
        EXPECT_EQ(f.filFile->item(0)->text(), QStringLiteral("nono001.dat"));
    }
    // Cancel kept the first run's choice and dropped the second.
    EXPECT_EQ(Shared.SoundFile[SoundStart], sounds.File(QStringLiteral("stop.wav")));
}

TEST_F(SoundForm, PathTheSettingsCannotHoldIsRefused)
{
    const QString odd = sounds.WriteBytes(QStringLiteral("caf\u00e9.wav"), "RIFF");
    const QString before = Shared.SoundFile[SoundFunction];
    Shared.SoundFileMode = QStringLiteral("On");
    frmSound form(&Board());
    platform.dialogs.modalScripts = {Choose(QStringLiteral("caf\u00e9.wav"))};
    form.optKind_Click(SoundFunction);
    const auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("サウンドファイル設定"));
    EXPECT_TRUE(boxes[0].text.contains(odd));
    EXPECT_EQ(Shared.SoundFileEdit[SoundFunction], before);
    EXPECT_EQ(form.lblCase[SoundFunction]->text(), QStringLiteral("function.wav"));
    form.cmdSoundOk_Click();
    EXPECT_EQ(SettingsOnDisk().value(FileLine(SoundFunction)), QStringLiteral("Function=") + before);
}

TEST_F(SoundForm, SoundTestPlaysTheChosenFileAndStopsTheMusicForIt)
{
    Shared.SoundSwitch[SoundBGM] = QStringLiteral("On");
    Sounds().tmrSound.start();
    frmFileSel& f = FileSelForm();
    f.SetFolder(sounds.Path());
    f.ConfigureForSound();
    f.txtFileName[0]->setText(sounds.File(QStringLiteral("entry.wav")));
    platform.mci.commands.clear();
    f.picTest_Click();
    EXPECT_TRUE(Shared.SoundTestActive);
    EXPECT_FALSE(Sounds().tmrSound.isActive());
    EXPECT_EQ(platform.mci.commands,
              (QStringList{QStringLiteral("close all"), QStringLiteral("play ") + sounds.File("entry.wav")}));
    f.cmdSoundStop_Click();
    EXPECT_FALSE(Shared.SoundTestActive);
    EXPECT_TRUE(Sounds().tmrSound.isActive());
    f.ConfigureBackForQuestion();
}

TEST_F(SoundForm, OnOffCommandDoesNothingWithoutAnOpeningFile)
{
    Shared.SoundFile[SoundOpening].clear();
    Board().MenuOptionSoundChange_Click();
    EXPECT_TRUE(platform.dialogs.log.empty());
    Shared.SoundFile[SoundOpening] = sounds.File(QStringLiteral("opening.wav"));
    Board().MenuOptionSoundChange_Click();
    ASSERT_EQ(platform.dialogs.log.size(), 1u);
    EXPECT_EQ(platform.dialogs.log[0].text, QStringLiteral("frmSound"));
}

} // namespace
