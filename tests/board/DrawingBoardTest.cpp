#include "BoardFixture.h"
#include "platform/AnsiText.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace velin;
using namespace velin::test;

namespace {

// The worked example: filled-blank-filled, all blank, all filled.
const QStringList kExample{"#.#", "...", "###"};

class DrawingBoard : public BoardTest {
protected:
    // The board as the drawing job leaves it once the registration form has
    // stored the values of a rows x columns question.
    void Prepare(int rows, int columns, const QString& path)
    {
        Shared.DefaultSolveMode = QStringLiteral("Pc");
        Shared.JobMode = QStringLiteral("Private");
        Shared.QuestionTitle = QStringLiteral("かお！");
        Shared.AnswerName = QStringLiteral("えがおでした。");
        Shared.CommentText = QStringLiteral("描いた問題");
        Shared.Difficulty = 2;
        Shared.RowCount = static_cast<int16_t>(rows);
        Shared.ColumnCount = static_cast<int16_t>(columns);
        Shared.QuestionPath = path;
        Shared.InputSwitch = QStringLiteral("Off");
        Board().PrepareDrawingBoard();
        Board().SavedInputSwitch = Shared.InputSwitch;
        Board().SavedPlayInput = Board().PlayInput;
        Board().OpenDrawingBoard();
        Board().PlayInput = QStringLiteral("Off");
    }
    void Draw(const QStringList& picture)
    {
        for (int r = 1; r <= picture.size(); ++r)
            for (int c = 1; c <= picture[r - 1].size(); ++c)
                Click(r, c, picture[r - 1][c - 1] == u'#' ? 1 : 2);
    }
    QStringList LinesOf(const QString& path)
    {
        QStringList lines;
        AnsiReader reader(path);
        QString line;
        while (!reader.AtEnd() && reader.ReadLine(line))
            lines << line;
        return lines;
    }
};

TEST_F(DrawingBoard, StartOffersRegistrationOnlyWhileEveryCellIsDecidedAndWritesTheClues)
{
    frmNono& b = Board();
    const QString path = questions.File(QStringLiteral("velin100.dat"));
    Prepare(3, 3, path);
    EXPECT_EQ(b.cmdStart->text(), QStringLiteral("処 理"));
    EXPECT_TRUE(b.cmdStart->isEnabled());
    EXPECT_FALSE(b.cmdStart->isHidden());
    for (int r = 0; r <= 3; ++r)
        EXPECT_EQ(b.model.RowClues[r][0], 0) << "an empty clue area, row " << r;

    // "処 理": a person's start without the clock.
    b.cmdStart_Click();
    EXPECT_TRUE(b.cmdStart->isHidden());
    EXPECT_FALSE(b.tmrTimer.isActive());
    EXPECT_TRUE(b.InputLive());

    Draw({"#.#", "...", "##"});
    EXPECT_TRUE(b.cmdStart->isHidden()) << "one cell is still undecided";
    Click(3, 3);
    EXPECT_EQ(b.cmdStart->text(), QStringLiteral("登 録"));
    EXPECT_TRUE(b.cmdStart->isEnabled());
    EXPECT_FALSE(b.cmdStart->isHidden());
    EXPECT_TRUE(platform.dialogs.Boxes().empty()) << "no answer check";

    Click(2, 2); // blank → undecided
    EXPECT_FALSE(b.cmdStart->isEnabled());
    EXPECT_FALSE(b.cmdStart->isHidden());
    Click(2, 2, 2);
    EXPECT_TRUE(b.cmdStart->isEnabled());
    EXPECT_FALSE(QFile::exists(path));

    bool messageShown = false;
    platform.dialogs.modalScripts.push_back([&](QWidget* form) {
        messageShown = form == &EndMsgForm();
        EXPECT_EQ(EndMsgForm().lblComent->text(), QStringLiteral("問題の新規登録処理が全て終了しました。"));
        EndMsgForm().cmdEnd_Click();
    });
    b.cmdStart_Click();
    EXPECT_TRUE(messageShown);
    EXPECT_EQ(LinesOf(path), (QStringList{"かお！", "えがおでした。", "描いた問題", "2", "3", "3", "1/1", "0", "3",
                                          "1/1", "1", "1/1"}));
    EXPECT_FALSE(b.cmdStart->isHidden());
    EXPECT_FALSE(b.cmdStart->isEnabled());
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Pc"));
    EXPECT_EQ(Shared.InputSwitch, QStringLiteral("Off"));
    EXPECT_EQ(b.PlayInput, QStringLiteral("Off"));
    EXPECT_TRUE(FileSelForm().optMode[1]->isChecked());
    EXPECT_EQ(Shared.JobMode, QStringLiteral("Private"));
}

TEST_F(DrawingBoard, CompletingTheBoardAgainWritesTheSameFileAgain)
{
    frmNono& b = Board();
    const QString path = questions.File(QStringLiteral("velin101.dat"));
    Prepare(3, 3, path);
    // Started from a person's play, which takes input again after the file
    // is written.
    b.SavedInputSwitch = QStringLiteral("On");
    b.SavedPlayInput = QStringLiteral("On");
    Shared.DefaultSolveMode = QStringLiteral("Man");
    b.cmdStart_Click();
    Draw(kExample);
    b.cmdStart_Click();
    ASSERT_EQ(LinesOf(path).value(6), QStringLiteral("1/1"));

    Click(1, 3);
    EXPECT_FALSE(b.cmdStart->isEnabled());
    Click(1, 3, 2);
    EXPECT_TRUE(b.cmdStart->isEnabled());
    EXPECT_EQ(b.cmdStart->text(), QStringLiteral("登 録"));
    b.cmdStart_Click();
    EXPECT_EQ(LinesOf(path).mid(6), (QStringList{"1", "0", "3", "1/1", "1", "1"}));
}

TEST_F(DrawingBoard, AFailedWriteLeavesTheDrawingAndTheJobAsTheyWere)
{
    frmNono& b = Board();
    const QString path = questions.File(QStringLiteral("missing/velin102.dat"));
    Prepare(3, 3, path);
    b.cmdStart_Click();
    Draw(kExample);
    b.cmdStart_Click();

    const auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("ファイル書込"));
    EXPECT_TRUE(boxes[0].text.contains(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(b.cmdStart->text(), QStringLiteral("登 録"));
    EXPECT_TRUE(b.cmdStart->isEnabled());
    EXPECT_FALSE(b.cmdStart->isHidden());
    EXPECT_EQ(Shared.JobMode, QStringLiteral("Private"));
    EXPECT_EQ(Shared.SolveMode, QStringLiteral("Man"));
    EXPECT_EQ(b.model.Board[3][2], kFilled);
}

} // namespace
