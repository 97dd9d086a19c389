#include "../board/BoardFixture.h"
#include "app/Colors.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace velin;
using namespace velin::test;

namespace {

class FileSel : public BoardTest {
protected:
    frmFileSel& Form()
    {
        frmFileSel& f = FileSelForm();
        f.SetFolder(questions.Path());
        f.ConfigureForQuestion();
        return f;
    }
    // Clicks the file of that name in the file list.
    static void ClickFile(frmFileSel& f, const QString& name)
    {
        const auto items = f.filFile->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        f.filFile->setCurrentItem(items.first());
        f.filFile_Click();
    }
};

TEST_F(FileSel, ListsQuestionFilesOfEveryFamilyIgnoringCase)
{
    for (const char* name : {"nono001.dat", "VELIN002.DAT", "kabQue003.dat", "other.dat", "nono004.txt"})
        questions.WriteAnsi(QString::fromLatin1(name), {"x"});
    frmFileSel& f = Form();
    QStringList listed;
    for (int i = 0; i < f.filFile->count(); ++i)
        listed << f.filFile->item(i)->text();
    EXPECT_EQ(listed, (QStringList{"kabQue003.dat", "nono001.dat", "VELIN002.DAT"}));
}

TEST_F(FileSel, HiddenFoldersAreListedAndTheGamesQuestionFolderIsOneChoiceAway)
{
    // The default question folder lives under ~/.local/share: a person who
    // climbed above it must find the way back without typing a path.
    const QString hidden = questions.Path() + QStringLiteral(".local/");
    QDir().mkpath(hidden + QStringLiteral("share"));
    Shared.HomeFolder = hidden + QStringLiteral("share/");
    {
        QFile f(Shared.HomeFolder + QStringLiteral("velin001.dat"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    frmFileSel& f = Form();
    EXPECT_EQ(f.DirFile->findItems(QStringLiteral(".local"), Qt::MatchEndsWith).size(), 1);

    f.SetFolder(QStringLiteral("/"));
    const int home = f.DrvFile->findText(QStringLiteral("べりんの問題フォルダー"));
    ASSERT_GE(home, 0);
    f.DrvFile->setCurrentIndex(home);
    f.DrvFile_Change();
    ASSERT_EQ(f.filFile->count(), 1);
    EXPECT_EQ(f.filFile->item(0)->text(), QStringLiteral("velin001.dat"));
}

TEST_F(FileSel, PreviewShowsHintAndStarsAndReportsUnreadableFiles)
{
    questions.WriteAnsi(QStringLiteral("nono001.dat"),
                        QuestionLines({"1"}, {"1"}, QStringLiteral("ちいさな点"), QStringLiteral("点"), QString(), 9));
    questions.WriteAnsi(QStringLiteral("nono002.dat"), {QStringLiteral("だけ")});
    frmFileSel& f = Form();
    ClickFile(f, QStringLiteral("nono001.dat"));
    EXPECT_EQ(f.lblTitleName->text(), QStringLiteral("ちいさな点"));
    EXPECT_EQ(f.lblNandoMark->text(), QStringLiteral("★★★★★★★★"));
    EXPECT_EQ(f.txtFileName[0]->text(), questions.File(QStringLiteral("nono001.dat")));
    EXPECT_EQ(f.txtFileName[1]->text(), f.txtFileName[0]->text());
    EXPECT_TRUE(platform.dialogs.Boxes().empty());

    ClickFile(f, QStringLiteral("nono002.dat"));
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(platform.dialogs.Boxes()[0].title, QStringLiteral("ファイル読込"));
    EXPECT_EQ(platform.dialogs.Boxes()[0].text,
              QStringLiteral("[") + questions.File(QStringLiteral("nono002.dat")) + QStringLiteral("]を読めません。"));
    EXPECT_EQ(f.lblTitleName->text(), QStringLiteral("ちいさな点")); // kept
}

TEST_F(FileSel, ReturnOnTheFocusedSelectButtonChoosesTheFile)
{
    questions.WriteAnsi(QStringLiteral("nono001.dat"), QuestionLines({"1"}, {"1"}));
    frmFileSel& f = Form();
    f.show();
    QApplication::setActiveWindow(&f);
    ClickFile(f, QStringLiteral("nono001.dat"));
    f.cmdOk->setFocus();
    QTest::keyClick(f.cmdOk, Qt::Key_Return);
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(Shared.QuestionPath, questions.File(QStringLiteral("nono001.dat")));
}

TEST_F(FileSel, OnlyDatInOneCaseIsAccepted)
{
    struct Case {
        const char* name;
        bool accepted;
    } cases[] = {{"NONO001.DAT", true}, {"nono002.dat", true}, {"nono003.Dat", false}};
    for (const Case& c : cases) {
        questions.WriteAnsi(QString::fromLatin1(c.name), {"x"});
        frmFileSel& f = Form();
        f.show();
        platform.dialogs.log.clear();
        Shared.QuestionState.clear();
        f.txtFileName[0]->setText(questions.File(QString::fromLatin1(c.name)));
        f.cmdOk_Click();
        EXPECT_EQ(f.isHidden(), c.accepted) << c.name;
        EXPECT_EQ(Shared.QuestionState == QLatin1String("Ok"), c.accepted) << c.name;
        if (!c.accepted) {
            ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
            EXPECT_EQ(platform.dialogs.Boxes()[0].text,
                      QStringLiteral("ファイル名の指定が違います。\n再度ファイル名を設定して下さい。！"));
            EXPECT_EQ(platform.dialogs.Boxes()[0].title, QStringLiteral("問題ファイル指定"));
        } else {
            EXPECT_EQ(Shared.QuestionFolder, questions.Path());
        }
    }
}

TEST_F(FileSel, ModeOptionsIgnoreTheFirstClickAndSetTheMode)
{
    frmFileSel& f = Form(); // setting the initial option took the first click
    f.optMode[0]->setChecked(true);
    f.optMode_Click(0);
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Man"));
    EXPECT_EQ(Shared.DefaultSolveMode, QStringLiteral("Man"));
    EXPECT_EQ(Shared.ResumeSolveMode, QStringLiteral("Man"));
    f.optMode_Click(2);
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Check"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("ファイル名の指定"));
    EXPECT_EQ(f.lblTitleName->text(), QStringLiteral("開始ファイル名の指定"));
    EXPECT_FALSE(f.lblTitleName->font().underline());
}

TEST_F(FileSel, BatchRangeIsPickedInTwoSteps)
{
    struct Case {
        const char* first;
        const char* last;
        int firstNo, lastNo, width;
        const char* prefix;
    } cases[] = {{"nono005.dat", "nono012.dat", 5, 12, 3, "nono"}, {"velin05.dat", "velin09.dat", 5, 9, 2, "velin"}};
    for (const Case& c : cases) {
        questions.WriteAnsi(QString::fromLatin1(c.first), {"x"});
        questions.WriteAnsi(QString::fromLatin1(c.last), {"x"});
        Shared.SolveMode = QStringLiteral("Check");
        Shared.CheckPickStep = 0;
        Shared.CheckCount = 0;
        frmFileSel& f = Form();
        f.show();
        ClickFile(f, QString::fromLatin1(c.first));
        f.cmdOk_Click();
        EXPECT_FALSE(f.isHidden()) << "stays open for the last file";
        EXPECT_EQ(f.lblTitleName->text(), QStringLiteral("終了ファイル名の指定"));
        ClickFile(f, QString::fromLatin1(c.last));
        f.cmdOk_Click();
        EXPECT_TRUE(f.isHidden());
        EXPECT_EQ(Shared.CheckFirstNo, c.firstNo);
        EXPECT_EQ(Shared.CheckFileNo, c.firstNo);
        EXPECT_EQ(Shared.CheckLastNo, c.lastNo);
        EXPECT_EQ(Shared.CheckNumberWidth, c.width);
        EXPECT_EQ(Shared.CheckPathPrefix, questions.Path() + QString::fromLatin1(c.prefix));
        EXPECT_EQ(Shared.QuestionPath, questions.File(QString::fromLatin1(c.first)));
        EXPECT_EQ(Shared.CheckCount, 2);
    }
}

TEST_F(FileSel, CancelAndTheCloseBoxChooseNothing)
{
    questions.WriteAnsi(QStringLiteral("nono003.Dat"), {"x"});
    for (int viaCloseBox = 0; viaCloseBox < 2; ++viaCloseBox) {
        frmFileSel& f = Form();
        f.show();
        Shared.CheckPickStep = 2;
        Shared.CheckCount = 1;
        // A refused name first, then the cancel.
        f.txtFileName[0]->setText(questions.File(QStringLiteral("nono003.Dat")));
        f.cmdOk_Click();
        if (viaCloseBox)
            f.close();
        else
            f.CmdCancel_Click();
        EXPECT_TRUE(f.isHidden());
        EXPECT_TRUE(Shared.QuestionPath.isEmpty());
        EXPECT_EQ(Shared.CheckPickStep, 0);
        EXPECT_EQ(Shared.CheckCount, 0);
    }
}

TEST_F(FileSel, OpenCommandLoadsTheChosenQuestionAndFocusesStart)
{
    WriteQuestion(QStringLiteral("nono001.dat"), {"#.", ".#"});
    Shared.SolveMode = QStringLiteral("Man");
    Shared.DefaultSolveMode = QStringLiteral("Man");
    frmNono& b = Board();
    b.ColorChangePending = QStringLiteral("On");
    Shared.FormColor = Rgb(200, 230, 255);
    platform.dialogs.modalScripts.push_back([&](QWidget* form) {
        auto* f = static_cast<frmFileSel*>(form);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("問題ファイルを指定"));
        ClickFile(*f, QStringLiteral("nono001.dat"));
        f->cmdOk_Click();
    });
    platform.screen.pointerMoves.clear();
    b.MenuFileOpen_Click();
    EXPECT_EQ(Shared.QuestionPath, questions.File(QStringLiteral("nono001.dat")));
    EXPECT_EQ(Shared.RowCount, 2);
    EXPECT_TRUE(b.cmdStart->isEnabled());
    EXPECT_EQ(Shared.InputSwitch, QStringLiteral("On"));
    EXPECT_EQ(b.surface.BackColor, Shared.FormColor);
    EXPECT_EQ(b.ColorChangePending, QStringLiteral("Off"));
    EXPECT_EQ(b.surface.FillColor, QBColor(2));
    ASSERT_FALSE(platform.screen.pointerMoves.empty());
    // Pointer onto the start button last.
    const QPointF last = platform.screen.pointerMoves.back();
    EXPECT_NEAR(last.x(), Twips::ControlLeft(b.cmdStart) + b.FormLeft() + Twips::ControlWidth(b.cmdStart) / 2, 1e-6);

    // Cancelling loads nothing and leaves Start disabled.
    platform.dialogs.modalScripts.push_back([](QWidget* form) { static_cast<frmFileSel*>(form)->CmdCancel_Click(); });
    b.MenuFileOpen_Click();
    EXPECT_TRUE(Shared.QuestionPath.isEmpty());
    EXPECT_FALSE(b.cmdStart->isEnabled());
}

TEST_F(FileSel, PointerGoesToTheFileListForANonoSet)
{
    struct Case {
        const char* first;
        bool onFiles;
    } cases[] = {{"nono000.dat", true}, {"kabQue000.dat", false}};
    for (const Case& c : cases) {
        TempFolder folder;
        folder.WriteAnsi(QString::fromLatin1(c.first), {"x"});
        Shared.QuestionFolder = folder.Path();
        platform.screen.pointerMoves.clear();
        platform.dialogs.modalScripts.push_back(
            [](QWidget* form) { static_cast<frmFileSel*>(form)->CmdCancel_Click(); });
        Board().MenuFileOpen_Click();
        ASSERT_FALSE(platform.screen.pointerMoves.empty());
        frmFileSel& f = FileSelForm();
        QWidget* target = c.onFiles ? static_cast<QWidget*>(f.filFile) : static_cast<QWidget*>(f.DirFile);
        const double x = Twips::ControlLeft(target) + Twips::Left(&f) + Twips::ControlWidth(target) / 2;
        EXPECT_NEAR(platform.screen.pointerMoves.front().x(), x, 1e-6) << c.first;
    }
}

} // namespace
