// The board form's loading and drawing of a question: the fitted form, the
// grid, the clues and the information block, the revealed answer and the
// batch check's file name.
#include "app/Colors.h"
#include "app/Shared.h"
#include "board/BoardCanvas.h"
#include "board/QuestionFile.h"
#include "board/frmNono.h"
#include "files/FileNames.h"
#include "media/SoundPlayer.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace velin {

namespace {
const QString kBoardFont = QStringLiteral("ＭＳ ゴシック");
} // namespace

TextMetrics frmNono::Metrics()
{
    // Measures in the board's font at the asked size, leaving the surface's
    // own font as it was.
    const auto measure = [this](bool width) {
        return [this, width](const QString& text, double size, bool bold) {
            const QString name = surface.FontName;
            const double oldSize = surface.FontSize;
            const bool oldBold = surface.FontBold;
            surface.FontName = kBoardFont;
            surface.FontSize = size;
            surface.FontBold = bold;
            const double value = width ? surface.TextWidth(text) : surface.TextHeight(text);
            surface.FontName = name;
            surface.FontSize = oldSize;
            surface.FontBold = oldBold;
            return value;
        };
    };
    return TextMetrics{measure(true), measure(false)};
}

void frmNono::HideIdleBoard()
{
    for (QWidget* w : std::initializer_list<QWidget*>{imgSnake, lblIdleHint, lblIdleAnswer, lblComent, shpComent})
        w->hide();
}

bool frmNono::LoadQuestion()
{
    if (Shared.QuestionPath.isEmpty())
        return false;
    // The running solver owns the board until its run ends; only the batch
    // loads its own next file. The batch's permission is used up here, so a
    // command run by the events of this very load is refused as well.
    if (solverRunning_) {
        if (!batchLoading_)
            return false;
        batchLoading_ = false;
    }

    bool loaded = true;
    if (Shared.JobMode != QLatin1String("Private")) {
        const std::optional<QuestionData> question = QuestionFile::Read(Paths::Resolve(Shared.QuestionPath));
        if (!question) {
            Sounds().PlayEvent(SoundError);
            Platform::dialogs().MsgBox(QStringLiteral("'") + Shared.QuestionPath + QStringLiteral("' を読めません "),
                                       Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation,
                                       QStringLiteral("ファイル読込"));
            // The board keeps the previous picture, but it is no longer a
            // question that may be played: its size may not match the values
            // reset before the load.
            Shared.QuestionState.clear();
            loaded = false;
        } else {
            QuestionFile::TakeOver(*question, Shared);
        }
    }
    if (loaded)
        DrawQuestion();

    if (Shared.SolveMode == QLatin1String("Check") && cmdStart->text() == QStringLiteral("開 始"))
        ShowBatchFileName();
    cmdStart->setVisible(true);
    if (!Shared.JobMode.isEmpty() && Shared.JobMode != QLatin1String("Reference_Ok")) {
        cmdStart->setEnabled(true);
        cmdStart->setFocus();
        PointToStart();
    }
    return loaded;
}

void frmNono::DrawQuestion()
{
    // 1. The form is sized to the puzzle, which a minimised or maximised
    // window does not allow.
    if (MinimisedOrMaximised()) {
        Platform::dialogs().MsgBox(QStringLiteral("問題に応じフォーム・サイズを変更します｡従って、最小化又は、") +
                                       QStringLiteral("最大化されていますとサイズの変更ができません。") +
                                       QStringLiteral("フォーム・サイズを元に戻します。"),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation,
                                   QStringLiteral("フォームのサイズ変更禁止"));
        showNormal();
    }

    // The clue texts as loaded (or as the drawing job set them) size the
    // clue areas.
    const QuestionData texts = QuestionFile::FromValues(Shared);
    model.RowClueWidth = texts.RowClueWidth;
    model.ColumnClueDepth = texts.ColumnClueDepth;

    // 2 to 4. The fitting loop.
    Screen& screen = Platform::screen();
    LayoutInput input = LayoutInput::From(Shared, Shared, model);
    input.ScreenWidth = screen.WidthTwips();
    input.ScreenHeight = screen.HeightTwips();
    input.FrameExtra = ToTwips(FormHeight() - ScaleHeight());
    input.StartButtonHeight = ToTwips(Twips::ControlHeight(cmdStart));
    input.CurrentFormWidth = ToTwips(FormWidth());
    input.CurrentFormHeight = ToTwips(FormHeight());
    input.MinFormWidth = ToTwips(MinFormWidth);
    const TextMetrics metrics = Metrics();
    layout = BoardLayout::Compute(input, metrics);
    Shared.CellSize = static_cast<int16_t>(layout.CellSize);

    // 5. The first question replaces the opening picture.
    if (!imgSnake->isHidden()) {
        HideIdleBoard();
        surface.BackColor = Shared.FormColor;
    }
    surface.Clear();
    Clock.BoardRedrawn();
    cmdStart->hide();

    // 6, 7. The form and the Start button.
    Twips::MoveWindow(this, layout.FormLeft, layout.FormTop, layout.FormW, layout.FormH);
    Twips::MoveControl(cmdStart, layout.StartLeft, layout.StartTop);

    // 8. The information block.
    surface.FontName = kBoardFont;
    surface.FontSize = Shared.TitleFontSize;
    surface.FontBold = true;
    surface.ForeColor = kWindowText;
    surface.Print(layout.X0, layout.Y0, QStringLiteral("ヒント"));
    surface.Print(layout.X1, layout.Y0, Shared.QuestionTitle);
    surface.Print(layout.X0, layout.Y1, QStringLiteral("難易度"));

    // 9. A menu bar that wraps onto a second line takes room from the board.
    if (const double wrap = MenuWrapHeight({menuHelp}); wrap != 0)
        Twips::MoveWindow(this, FormLeft(), FormTop(), FormWidth(), FormHeight() + wrap);

    // 10. The difficulty stars.
    surface.FontBold = false;
    surface.ForeColor = kStarBlue;
    surface.Print(layout.X1, layout.Y1, Shared.DifficultyMark);
    surface.ForeColor = kWindowText;

    // 11. The clue numbers (the reader has already refused clues that do
    // not parse).
    QuestionFile::ParseClues(texts, model);

    // 12, 13. Frame and grid.
    const int32_t gridColour = QBColor(9);
    const FrameBox frame = layout.Frame();
    surface.DrawWidth = FrameBox::kDrawWidth;
    surface.DrawStyle = Surface::DrawSolid;
    surface.Box(frame.X1, frame.Y1, frame.X2, frame.Y2, gridColour);
    surface.DrawWidth = 1;
    for (const GridLine& line : layout.GridLines(Shared.CellLineStyle, Shared.BlockLineStyle)) {
        surface.DrawStyle = line.Style;
        surface.Line(line.X1, line.Y1, line.X2, line.Y2, gridColour);
    }
    surface.DrawStyle = Surface::DrawSolid;
    surface.Refresh();

    // 15. The clues beside and below the grid.
    if (Shared.JobMode != QLatin1String("Private")) {
        surface.FontSize = layout.ClueFontSize;
        for (int r = 1; r <= Shared.RowCount; ++r)
            surface.Print(layout.RowClueX, layout.RowClueY(r), Shared.RowClueText[r]);
        surface.Refresh();
        const int innerHeight = ToTwips(layout.FormH - (FormHeight() - ScaleHeight()));
        const ColumnClueLayout columns = layout.ColumnClues(innerHeight, model.ColumnClues, metrics);
        int lineK = 0;
        for (const ClueNumber& number : columns.Numbers) {
            if (lineK != 0 && number.K != lineK)
                surface.Refresh();
            lineK = number.K;
            surface.FontSize = number.FontSize;
            surface.Print(number.X, number.Y, number.Text);
        }
        surface.Refresh();
    }

    // The form's own text from here on: the clock and the batch file name.
    surface.FontSize = Shared.StatusFontSize;
    surface.FontBold = false;

    // 2.1 step 7: a fresh, empty board.
    model.ClearCells(Shared.RowCount, Shared.ColumnCount);
}

double frmNono::MenuWrapHeight(std::initializer_list<QMenu*> menus)
{
    for (QMenu* menu : menus)
        menu->menuAction()->setVisible(false);
    QApplication::processEvents();
    const double without = ScaleHeight();
    for (QMenu* menu : menus)
        menu->menuAction()->setVisible(true);
    QApplication::processEvents();
    return without - ScaleHeight();
}

void frmNono::ShowAnswer()
{
    surface.FontName = kBoardFont;
    surface.FontSize = Shared.TitleFontSize;
    surface.FontBold = true;
    surface.ForeColor = surface.BackColor;
    surface.Print(layout.X0, layout.Y1, QStringLiteral("難易度"));
    surface.ForeColor = kWindowText;
    surface.Print(layout.X0, layout.Y1, QStringLiteral("答　え"));
    // The stars were printed in the regular face; erased in the bold one,
    // whose glyphs are wider, they left blue edges beside the answer.
    surface.FontBold = false;
    surface.ForeColor = surface.BackColor;
    surface.Print(layout.X1, layout.Y1, Shared.DifficultyMark);
    surface.FontBold = true;
    surface.ForeColor = kWindowText;
    surface.Print(layout.X1, layout.Y1, Shared.AnswerName);
    surface.FontBold = false;
    surface.FontSize = Shared.StatusFontSize;
    surface.Refresh();
}

void frmNono::ShowBatchFileName()
{
    const QString name = FileNames::BatchDisplayName(Shared.QuestionPath, Shared.CheckFileNo);
    const int32_t fore = surface.ForeColor;
    surface.FontName = kBoardFont;
    surface.FontSize = Shared.StatusFontSize;
    surface.FontBold = false;
    surface.ForeColor = kBatchNameRed;
    surface.Print(Twips::ControlLeft(cmdStart) + 40, layout.BatchNameY(), name);
    surface.ForeColor = fore;
    surface.Refresh();
}

} // namespace velin
