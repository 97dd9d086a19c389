#include "BoardFixture.h"
#include "app/Colors.h"
#include "board/BoardCanvas.h"
#include "platform/AnsiText.h"
#include "platform/Surface.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace velin;
using namespace velin::test;

namespace {

const QStringList kPlus{"..#..", "..#..", "#####", "..#..", "..#.."};

QStringList Square(int rows, int columns)
{
    QStringList picture;
    for (int r = 0; r < rows; ++r) {
        QString row;
        for (int c = 0; c < columns; ++c)
            row += ((r * 7 + c * 3) % 5 < 2) ? u'#' : u'.';
        picture << row;
    }
    return picture;
}

std::vector<Surface::Op> OpsOf(const Surface& s, Surface::Op::Kind kind)
{
    std::vector<Surface::Op> ops;
    for (const Surface::Op& op : s.Log())
        if (op.kind == kind)
            ops.push_back(op);
    return ops;
}

const Surface::Op* TextOp(const Surface& s, const QString& text)
{
    for (const Surface::Op& op : s.Log())
        if (op.kind == Surface::Op::Text && op.text == text)
            return &op;
    return nullptr;
}

using Play = BoardTest;

TEST_F(Play, LoadingDrawsGridCluesAndInformation)
{
    Shared.CellLineStyle = 0;
    Shared.BlockLineStyle = 2;
    frmNono& b = Board();
    b.surface.SetLogging(true);
    const QStringList picture = Square(12, 11);
    ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("velin003.dat"), picture, QStringLiteral("かたち"))));

    EXPECT_EQ(Shared.RowCount, 12);
    EXPECT_EQ(Shared.ColumnCount, 11);
    EXPECT_EQ(Shared.QuestionTitle, QStringLiteral("かたち"));
    EXPECT_EQ(Shared.DifficultyMark, QStringLiteral("★★★"));
    EXPECT_EQ(b.model.RowRuns, b.model.RowClues);
    for (int r = 0; r <= 12; ++r)
        for (int c = 0; c <= 11; ++c)
            EXPECT_EQ(b.model.Board[r][c], 0);
    EXPECT_TRUE(b.imgSnake->isHidden());
    EXPECT_FALSE(b.cmdStart->isHidden());

    ASSERT_NE(TextOp(b.surface, QStringLiteral("ヒント")), nullptr);
    EXPECT_TRUE(TextOp(b.surface, QStringLiteral("ヒント"))->fontBold);
    ASSERT_NE(TextOp(b.surface, QStringLiteral("かたち")), nullptr);
    ASSERT_NE(TextOp(b.surface, QStringLiteral("難易度")), nullptr);
    const Surface::Op* stars = TextOp(b.surface, QStringLiteral("★★★"));
    ASSERT_NE(stars, nullptr);
    EXPECT_EQ(stars->color, kStarBlue);
    EXPECT_FALSE(stars->fontBold);

    const auto boxes = OpsOf(b.surface, Surface::Op::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].color, QBColor(9));
    EXPECT_EQ(boxes[0].drawWidth, 2);
    EXPECT_EQ(boxes[0].x1, Shared.GridLeft - 1);

    // Eleven lines between 12 rows, ten between 11 columns; every fifth dotted.
    const auto lines = OpsOf(b.surface, Surface::Op::Line);
    ASSERT_EQ(lines.size(), 21u);
    const int cell = b.layout.CellSize;
    for (const Surface::Op& line : lines) {
        const bool horizontal = line.y1 == line.y2;
        const int k =
            horizontal ? (int(line.y1) - 1 - Shared.GridTop) / cell : (int(line.x1) - 1 - Shared.GridLeft) / cell;
        EXPECT_EQ(line.drawStyle, k % 5 == 0 ? 2 : 0) << "line after " << k;
        EXPECT_EQ(line.color, QBColor(9));
    }

    // Every row clue beside the grid; the first column clue line below it.
    for (int r = 1; r <= 12; ++r) {
        const Surface::Op* clue = TextOp(b.surface, Shared.RowClueText[r]);
        ASSERT_NE(clue, nullptr) << r;
    }
    const Surface::Op* row5 = nullptr;
    for (const Surface::Op& op : b.surface.Log())
        if (op.kind == Surface::Op::Text && op.text == Shared.RowClueText[5] && op.y1 == b.layout.RowClueY(5))
            row5 = &op;
    ASSERT_NE(row5, nullptr);
    EXPECT_EQ(row5->x1, b.layout.RowClueX);
}

TEST_F(Play, UnreadableQuestionKeepsTheBoard)
{
    Shared.SoundSwitch[SoundError] = QStringLiteral("On");
    Shared.SoundFile[SoundError] = QStringLiteral("/nonexistent/error.wav");
    ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("nono001.dat"), kPlus, QStringLiteral("十字"))));
    QStringList tooMany = QuestionLines(QStringList(61, QStringLiteral("1")), {QStringLiteral("1")});
    const QString bad = questions.WriteAnsi(QStringLiteral("nono002.dat"), tooMany);
    frmNono& b = Board();
    b.surface.SetLogging(true);

    EXPECT_FALSE(Load(bad));
    ASSERT_EQ(platform.dialogs.Boxes().size(), 1u);
    const auto box = platform.dialogs.Boxes()[0];
    EXPECT_EQ(box.text, QStringLiteral("'") + bad + QStringLiteral("' を読めません "));
    EXPECT_EQ(box.title, QStringLiteral("ファイル読込"));
    EXPECT_EQ(box.icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(platform.mci.commands.contains(QStringLiteral("close all")));
    EXPECT_EQ(Shared.QuestionTitle, QStringLiteral("十字"));
    EXPECT_EQ(Shared.RowCount, 5);
    EXPECT_TRUE(Shared.QuestionState.isEmpty());
    EXPECT_TRUE(OpsOf(b.surface, Surface::Op::Clear).empty()); // nothing redrawn
}

TEST_F(Play, LargePuzzleShrinksTheCellsUntilTheFormFits)
{
    const QStringList picture = Square(60, 60);
    const QString path = WriteQuestion(QStringLiteral("velin060.dat"), picture);
    ASSERT_TRUE(Load(path));
    const int small = Board().layout.CellSize;
    EXPECT_LT(small, 180);
    EXPECT_LT(Board().layout.Fit.FormWidth, platform.screen.width);
    EXPECT_LT(Board().layout.Fit.FormHeight, platform.screen.height);
    UnloadNonoForm();

    platform.screen.SetLarge();
    SetLayoutValues(platform.screen.height);
    ASSERT_TRUE(Load(path));
    EXPECT_GT(Board().layout.CellSize, small);
    EXPECT_LE(Board().layout.CellSize, 270);
    EXPECT_LT(Board().layout.Fit.FormHeight, platform.screen.height);
}

TEST_F(Play, ShowAnswerReplacesTheDifficultyWithTheAnswer)
{
    ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("nono001.dat"), kPlus)));
    frmNono& b = Board();
    b.surface.SetLogging(true);
    b.ShowAnswer();
    const auto texts = OpsOf(b.surface, Surface::Op::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, QStringLiteral("難易度"));
    EXPECT_EQ(texts[0].color, b.surface.BackColor);
    EXPECT_EQ(texts[1].text, QStringLiteral("答　え"));
    EXPECT_EQ(texts[2].color, b.surface.BackColor);
    EXPECT_EQ(texts[3].text, QStringLiteral("こたえ"));
    EXPECT_TRUE(texts[3].fontBold);
    EXPECT_EQ(texts[3].x1, b.layout.X1);
    EXPECT_EQ(texts[3].y1, b.layout.Y1);

    // Not one pixel of the stars is left beside the answer.
    const QImage& image = b.surface.Image();
    const QRgb star = qRgb(0, 0, 255); // kStarBlue is stored as BGR
    b.surface.FontSize = Shared.TitleFontSize;
    b.surface.FontBold = true;
    const QRect area(static_cast<int>(b.layout.X1 / b.surface.TwipsPerPixelX()) - 2,
                     static_cast<int>(b.layout.Y1 / b.surface.TwipsPerPixelY()) - 2,
                     static_cast<int>(b.surface.TextWidth(Shared.DifficultyMark) / b.surface.TwipsPerPixelX()) + 4,
                     static_cast<int>(b.surface.TextHeight(Shared.DifficultyMark) / b.surface.TwipsPerPixelY()) + 4);
    int left = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            left += image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) == (star & 0xFFFFFF);
    EXPECT_EQ(left, 0);
}

TEST_F(Play, StartCopiesTheBoardAndStartsTheClock)
{
    StartMan(kPlus);
    frmNono& b = Board();
    EXPECT_TRUE(b.tmrTimer.isActive());
    EXPECT_EQ(b.PlayInput, QStringLiteral("On"));
    EXPECT_TRUE(b.cmdStart->isHidden());
    EXPECT_TRUE(b.MenuStop->isEnabled());
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(Play, CrossLinesAppearThroughThePointerAsThinLines)
{
    Shared.LineMarkMode = true;
    frmNono& b = Board();
    b.show();
    ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("nono001.dat"), kPlus)));
    const auto expectThroughPointer = [&](const char* when) {
        const QPoint pointer = b.canvas->mapFromGlobal(QCursor::pos());
        EXPECT_TRUE(b.linMarkX->isVisible()) << when;
        EXPECT_LE(b.linMarkX->height(), 1) << when << ": a line, not a block";
        EXPECT_LE(b.linMarkY->width(), 1) << when;
        EXPECT_NEAR(b.linMarkX->y(), pointer.y(), 1) << when;
        EXPECT_NEAR(b.linMarkY->x(), pointer.x(), 1) << when;
    };
    const GridGeometry grid = b.layout.Grid();
    const auto cellPoint = [&](int r, int c) {
        return b.canvas->mapToGlobal(QPoint(static_cast<int>(grid.CellCentreX(c) / b.surface.TwipsPerPixelX()),
                                            static_cast<int>(grid.CellCentreY(r) / b.surface.TwipsPerPixelY())));
    };
    QCursor::setPos(cellPoint(3, 4));
    Shared.SolveMode = QStringLiteral("Man");
    Shared.InputSwitch = QStringLiteral("On");
    b.cmdStart->setEnabled(true);
    b.cmdStart_Click();
    expectThroughPointer("at the first Start");

    b.MarkOn_Off_Click(1);
    QCursor::setPos(cellPoint(5, 2));
    b.MarkOn_Off_Click(0);
    expectThroughPointer("switched on during play");
}

TEST_F(Play, ClicksAndDragsChangeCells)
{
    StartMan(Square(8, 8));
    frmNono& b = Board();
    b.surface.SetLogging(true);
    const int cell = b.layout.CellSize;

    Click(1, 1);
    EXPECT_EQ(b.model.Board[1][1], kFilled);
    auto circles = OpsOf(b.surface, Surface::Op::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].fillColor, kMarkGreen);
    EXPECT_DOUBLE_EQ(circles[0].r, (cell - 30) / 2.0);

    Click(1, 2, 2);
    EXPECT_EQ(b.model.Board[1][2], kBlank);
    Click(1, 1);
    EXPECT_EQ(b.model.Board[1][1], kUndecided);
    circles = OpsOf(b.surface, Surface::Op::Circle);
    EXPECT_DOUBLE_EQ(circles[1].r, cell / 10.0);
    EXPECT_EQ(circles[2].fillColor, b.surface.BackColor);

    // A diagonal changes exactly its four cells; a knight's move nothing.
    Drag(2, 2, 5, 5);
    for (int k = 2; k <= 5; ++k)
        EXPECT_EQ(b.model.Board[k][k], kFilled);
    EXPECT_EQ(b.model.Board[2][3], kUndecided);
    Drag(2, 2, 5, 4);
    EXPECT_EQ(b.model.Board[2][2], kFilled);
    EXPECT_EQ(b.model.Board[4][3], kUndecided);

    // Filled, undecided, blank across a row become undecided, filled, undecided.
    Click(7, 1);
    Click(7, 3, 2);
    Drag(7, 1, 7, 3);
    EXPECT_EQ(b.model.Board[7][1], kUndecided);
    EXPECT_EQ(b.model.Board[7][2], kFilled);
    EXPECT_EQ(b.model.Board[7][3], kUndecided);

    // Shift: a red memo square, the cell stays undecided.
    b.surface.ClearLog();
    Click(8, 8, 1, 1);
    EXPECT_EQ(b.model.Board[8][8], kUndecided);
    const auto squares = OpsOf(b.surface, Surface::Op::FilledBox);
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_EQ(squares[0].color, kMemoRed);
}

TEST_F(Play, CorrectPictureEndsWithTheAnswerAndTheMessage)
{
    Shared.SoundSwitch[SoundCorrect] = QStringLiteral("On");
    Shared.SoundFile[SoundCorrect] = QStringLiteral("/nonexistent/correct.wav");
    StartMan(kPlus);
    frmNono& b = Board();
    QString shown;
    bool startVisible = false;
    platform.dialogs.modalScripts.push_back([&](QWidget* form) {
        shown = EndMsgForm().lblMessage->text();
        startVisible = !b.cmdStart->isHidden();
        EXPECT_EQ(form, &EndMsgForm());
        EndMsgForm().cmdEnd_Click();
    });
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            Click(r, c, kPlus[r - 1][c - 1] == u'#' ? 1 : 2);
    EXPECT_EQ(shown, QStringLiteral("正 　 解"));
    EXPECT_TRUE(startVisible);
    // The first correct answer starts the clear record.
    EXPECT_EQ(questions.ReadBytes(QStringLiteral("../ClearPuzzle.dat")),
              AnsiText::Encode(QStringLiteral("*** Kab files check data ***\r\n") + Shared.QuestionPath +
                               QStringLiteral("\r\n")));
    EXPECT_FALSE(b.tmrTimer.isActive());
    EXPECT_TRUE(Shared.QuestionState.isEmpty());
    EXPECT_EQ(Shared.WrongAnswer, QStringLiteral("Off"));
    EXPECT_TRUE(platform.mci.commands.contains(QStringLiteral("open ")));
    // No more input once the answer is shown.
    Click(1, 1, 2);
    EXPECT_EQ(b.model.Board[1][1], kBlank);
}

TEST_F(Play, WrongPictureOffersARetryOnAFreshBoard)
{
    StartMan(kPlus);
    frmNono& b = Board();
    QString shown;
    QString wrongRow;
    platform.dialogs.modalScripts.push_back([&](QWidget*) {
        shown = EndMsgForm().lblMessage->text();
        wrongRow = b.WrongRow;
        EXPECT_FALSE(EndMsgForm().cmdRetry->isHidden());
        EXPECT_EQ(EndMsgForm().lblComent->text(),
                  QStringLiteral("【了　　解】か【再挑戦】を選択して処理を指定して下さい。"));
        EndMsgForm().cmdRetry_Click();
    });
    // Row 3 gets a blank where its run needs a filled cell.
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            Click(r, c, (kPlus[r - 1][c - 1] == u'#' && !(r == 3 && c == 5)) ? 1 : 2);
    EXPECT_EQ(shown, QStringLiteral("不 正 解"));
    EXPECT_EQ(wrongRow, QStringLiteral(" 3"));
    EXPECT_EQ(Shared.QuestionState, QStringLiteral("Ok"));
    EXPECT_EQ(b.PlayInput, QStringLiteral("Off"));
    EXPECT_TRUE(b.cmdStart->isEnabled());
    EXPECT_TRUE(EndMsgForm().cmdRetry->isHidden());
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(b.model.Board[r][c], kUndecided);
    // The next Start counts from zero.
    platform.clock.now = 1000;
    b.cmdStart_Click();
    platform.clock.now = 1003;
    b.tmrTimer_Timer();
    EXPECT_EQ(b.Clock.ElapsedSeconds, 3);
}

TEST_F(Play, RightClickBesideTheGridOpensTheFileMenuAndItsClosingClickPaintsNothing)
{
    // Real mouse events through the window system, so the popup menu closes
    // the way it does for a person: the closing click is the menu's, and the
    // next click on a cell must paint.
    StartMan(kPlus);
    frmNono& b = Board();
    b.show();
    QApplication::setActiveWindow(&b);
    const GridGeometry grid = b.layout.Grid();
    const auto at = [&](double x, double y) {
        return b.canvas->mapTo(&b, QPoint(static_cast<int>(x / b.surface.TwipsPerPixelX()),
                                          static_cast<int>(y / b.surface.TwipsPerPixelY())));
    };
    const QPoint beside = at(grid.GridRight() + 200, grid.GridTop + 100);
    const QPoint cell = at(grid.CellCentreX(1), grid.CellCentreY(1));
    QTest::mouseClick(b.windowHandle(), Qt::RightButton, {}, beside);
    ASSERT_TRUE(b.menuFile->isVisible());
    EXPECT_TRUE(b.PopupShown);

    QTest::mouseClick(b.windowHandle(), Qt::LeftButton, {}, cell);
    EXPECT_FALSE(b.menuFile->isVisible());
    EXPECT_EQ(b.model.Board[1][1], kUndecided) << "the click that closed the menu painted a cell";
    QTest::mouseClick(b.windowHandle(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(b.model.Board[1][1], kFilled) << "the first real click after the menu was lost";
}

TEST_F(Play, StopEndsCellInput)
{
    StartMan(kPlus);
    frmNono& b = Board();
    b.MenuStop_Click();
    EXPECT_FALSE(b.tmrTimer.isActive());
    Click(1, 1);
    EXPECT_EQ(b.model.Board[1][1], kUndecided);
}

TEST_F(Play, ClockRunsAcrossMidnightAndStandsStillWhileMinimised)
{
    platform.clock.now = 86398; // 23:59:58
    StartMan(kPlus);
    frmNono& b = Board();
    b.surface.SetLogging(true);
    platform.clock.now = 3; // 00:00:03
    b.tmrTimer_Timer();
    EXPECT_EQ(b.Clock.ElapsedSeconds, 5);
    const Surface::Op* text = TextOp(b.surface, QStringLiteral("00:00:05"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->color, kClockBlue);
    const GridGeometry grid = b.layout.Grid();
    EXPECT_EQ(text->x1, grid.ClockX());
    EXPECT_EQ(text->y1, grid.ClockY());

    b.setWindowState(Qt::WindowMinimized);
    for (int s = 4; s < 64; ++s) {
        platform.clock.now = s;
        b.tmrTimer_Timer();
    }
    b.setWindowState(Qt::WindowNoState);
    platform.clock.now = 65;
    b.surface.ClearLog();
    b.tmrTimer_Timer();
    EXPECT_EQ(b.Clock.ElapsedSeconds, 7);
    // The old time is erased in the background colour before the new one.
    const auto texts = OpsOf(b.surface, Surface::Op::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QStringLiteral("00:00:05"));
    EXPECT_EQ(texts[0].color, b.surface.BackColor);
    EXPECT_EQ(texts[1].text, QStringLiteral("00:00:07"));
}

} // namespace
