// The View menu's comment and difficulty in the information window, the
// right-click popup of the idle board and the popup timer.
#include "BoardFixture.h"
#include "board/dlgInformation.h"
#include "platform/Screen.h"

#include <QLabel>
#include <QPushButton>

using namespace velin;
using namespace velin::test;

namespace {

class InfoWindow : public BoardTest {
protected:
    struct Shown {
        QStringList lines;
        QString caption;
        QRect geometry;
        QRect ok;
    };
    // Runs a View command and records what the information window showed.
    template <typename F> Shown Run(F command)
    {
        Shown shown;
        platform.dialogs.modalScripts.push_back([&](QWidget* form) {
            auto* dlg = qobject_cast<dlgInformation*>(form);
            ASSERT_NE(dlg, nullptr);
            shown.lines = dlg->Lines();
            shown.caption = dlg->windowTitle();
            shown.geometry = dlg->geometry();
            shown.ok = dlg->cmdOk->geometry();
            dlg->cmdOk_Click();
        });
        command();
        return shown;
    }
    QString LoadWithComment(const QString& comment, int difficulty)
    {
        const QStringList picture{"#.", ".#"};
        const QString path =
            questions.WriteAnsi(QStringLiteral("velin007.dat"),
                                QuestionLines(RowCluesOf(picture), ColumnCluesOf(picture), QStringLiteral("て"),
                                              QStringLiteral("こ"), comment, difficulty));
        EXPECT_TRUE(Load(path));
        return path;
    }
};

TEST_F(InfoWindow, CommentTexts)
{
    frmNono& b = Board();
    EXPECT_EQ(Run([&] { b.mnuViewComment_Click(); }).lines,
              QStringList{QStringLiteral("「一言」は登録されていません...！")});

    LoadWithComment(QString(), 3);
    EXPECT_EQ(Run([&] { b.mnuViewComment_Click(); }).lines,
              (QStringList{QStringLiteral("コメントはありません！"), QStringLiteral("問題[velin007.dat]の難易度！"),
                           QStringLiteral("難易度は★★★で～す！")}));

    const QString comment = QString(26, u'ね') + QString(24, u'こ');
    LoadWithComment(comment, 1);
    const Shown shown = Run([&] { b.mnuViewComment_Click(); });
    ASSERT_EQ(shown.lines.size(), 5);
    EXPECT_EQ(shown.lines[0], QString(24, u'ね'));
    EXPECT_EQ(shown.lines[1], QString(2, u'ね') + QString(22, u'こ'));
    EXPECT_EQ(shown.lines[2], QString(2, u'こ'));
    // Without a title the window keeps its own caption.
    EXPECT_EQ(shown.caption, InformationForm().windowTitle());
}

TEST_F(InfoWindow, DifficultyUnderItsOwnTitleCentredOnTheBoard)
{
    frmNono& b = Board();
    b.show();
    LoadWithComment(QStringLiteral("ひとこと"), 5);
    const QString caption = InformationForm().windowTitle();
    const Shown shown = Run([&] { b.mnuViewDifficulty_Click(); });
    EXPECT_EQ(shown.lines,
              (QStringList{QStringLiteral("問題[velin007.dat]の難易度！"), QStringLiteral("難易度は★★★★★で～す！")}));
    EXPECT_EQ(shown.caption, QStringLiteral("難易度情報"));
    EXPECT_EQ(InformationForm().windowTitle(), caption);

    // Centred on the board, the OK button centred across the window and
    // inside it, under the text.
    const dlgInformation& dlg = InformationForm();
    const QRect board = b.frameGeometry();
    EXPECT_NEAR(shown.geometry.center().x(), board.center().x(), 2);
    EXPECT_NEAR(shown.geometry.center().y(), board.center().y(), 2);
    EXPECT_NEAR(shown.ok.center().x(), shown.geometry.width() / 2, 2);
    EXPECT_LE(shown.ok.bottom(), shown.geometry.height());
    EXPECT_GT(shown.ok.top(), dlg.lblText->geometry().bottom());
    const double tpp = platform.screen.tppX;
    EXPECT_NEAR(shown.geometry.width() * tpp, dlg.picInformation->width() * tpp + dlg.TextWidth() + 800, 2 * tpp);
}

TEST_F(InfoWindow, PopupTimerRunsThePendingCommandOnce)
{
    frmNono& b = Board();
    for (const char* command : {"Append", "Private", "Other"}) {
        b.PendingCommand = QString::fromLatin1(command);
        b.PopupShown = true;
        b.tmrPopup.start();
        b.tmrPopup_Timer();
        EXPECT_FALSE(b.PopupShown) << command;
        EXPECT_FALSE(b.tmrPopup.isActive()) << command;
        // A command that is neither stays for whoever set it.
        EXPECT_EQ(b.PendingCommand.isEmpty(), QString::fromLatin1(command) != QLatin1String("Other")) << command;
    }
}

TEST_F(InfoWindow, RightButtonOnTheIdleBoardOpensTheFileMenu)
{
    frmNono& b = Board();
    b.show();
    b.lblComent_MouseUp(1);
    EXPECT_FALSE(b.PopupShown);
    b.imgSnake_MouseUp(2);
    EXPECT_TRUE(b.PopupShown);
    EXPECT_TRUE(b.menuFile->isVisible());
    b.menuFile->hide();
}

} // namespace
