// The board form's solver runs: "Pc" solves the loaded question, "Check"
// solves a numbered range of question files one after the other and stops at
// the first whose solution disagrees with its clues. The board is the
// solver's host: it draws every decided cell, keeps the clock and lets the
// window's events run so that Stop stays live.
#include "app/Colors.h"
#include "app/Shared.h"
#include "board/BoardCanvas.h"
#include "board/ErrorCheck.h"
#include "board/frmEndMsg.h"
#include "board/frmNono.h"
#include "files/FileNames.h"
#include "media/SoundPlayer.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Twips.h"
#include "solver/AutoSolve.h"
#include "solver/SolverHost.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace velin {

namespace {

class BoardHost final : public SolverHost {
public:
    explicit BoardHost(frmNono& board) : board_(board), grid_(board.layout.Grid()) {}

    void CellDecided(int row, int column, int16_t code) override
    {
        const double radius = code == kFilled ? grid_.FilledRadius() : grid_.SmallRadius();
        const int cx = grid_.CellCentreX(column);
        const int cy = grid_.CellCentreY(row);
        Shared.MarkRadius = radius;
        board_.surface.Circle(cx, cy, radius, QBColor(2));
        dirty_ |= board_.PixelRect(cx - radius, cy - radius, 2 * radius, 2 * radius);
    }
    void ShowPlayTime() override { board_.ShowPlayTime(); }
    void ProcessEvents() override { QCoreApplication::processEvents(); }
    void Refresh() override
    {
        // Only the cells decided since the last refresh are painted again.
        if (!dirty_.isEmpty())
            board_.canvas->update(dirty_);
        dirty_ = QRect();
    }
    double Timer() const override { return Platform::clock().Timer(); }
    bool StopRequested() const override { return board_.StopRequest == QLatin1String("Stop"); }
    void DisableSolveMenus() override
    {
        for (QAction* a :
             {board_.MenuFileOpen, board_.MenuQuestionEntry, board_.MenuQuestionMake, board_.MenuFilePrintForm})
            a->setEnabled(false);
    }
    void EnableSolveMenus() override
    {
        Refresh();
        for (QAction* a : {board_.MenuFileOpen, board_.MenuQuestionEntry, board_.MenuQuestionMake})
            a->setEnabled(true);
    }
    void ResetClockBlink() override { board_.Clock.ClockBlink = QStringLiteral("Off"); }
    void SetSolveStartTime(int32_t seconds) override { board_.Clock.SolveStartTime = seconds; }

private:
    frmNono& board_;
    GridGeometry grid_;
    QRect dirty_;
};

} // namespace

QRect frmNono::PixelRect(double x, double y, double width, double height) const
{
    const double tppX = surface.TwipsPerPixelX();
    const double tppY = surface.TwipsPerPixelY();
    return QRect(static_cast<int>(x / tppX) - 1, static_cast<int>(y / tppY) - 1, static_cast<int>(width / tppX) + 3,
                 static_cast<int>(height / tppY) + 3);
}

void frmNono::AutoSolve()
{
    BoardHost host(*this);
    velin::AutoSolve(model, Shared.RowCount, Shared.ColumnCount, host);
}

void frmNono::RunPc()
{
    AutoSolve();
    if (StopRequest == QLatin1String("Stop")) {
        ResetPlay();
        return;
    }
    if (Shared.JobMode == QLatin1String("Append"))
        EndMsgForm().lblComent->setText(QStringLiteral("問題の追加登録処理が全て終了しました。"));
    ShowAnswer();
    if (!Shared.EndMessageDisplay) {
        if (!isMinimized())
            PointToMenuBar();
        cmdStart->setVisible(true);
        return;
    }
    if (Shared.JobMode == QLatin1String("Append")) {
        Shared.InputSwitch = SavedInputSwitch;
        PlayInput = SavedPlayInput;
    }
    ShowEndMessage(QStringLiteral("終　　了"), QString(), QString(), QString());
}

void frmNono::RunCheck()
{
    velin::Clock& clock = Platform::clock();
    const QString startText = clock.TimeText();
    QString errorText;
    QString endText;
    bool unreadable = false;
    for (int n = Shared.CheckFileNo; n <= Shared.CheckLastNo; ++n) {
        if (n != Shared.CheckFirstNo) {
            Shared.QuestionPath = FileNames::BatchFileName(Shared.CheckPathPrefix, n, Shared.CheckNumberWidth);
            surface.FillStyle = Surface::FillTransparent;
            surface.FillColor = surface.BackColor;
            Shared.CellSize = Shared.BaseCellSize;
            batchLoading_ = true;
            const bool loaded = LoadQuestion();
            // The load shows Start; the run goes on, so it stays hidden.
            cmdStart->hide();
            surface.FillStyle = Surface::FillSolid;
            surface.FillColor = QBColor(2);
            if (!loaded) {
                // The file could not be read (its message has been shown):
                // solving the previous board again would report that file
                // as agreeing with clues it never had. The batch ends here,
                // and the end message says which file stopped it and when.
                unreadable = true;
                errorText = QStringLiteral("エラー! 読めません");
                endText = clock.TimeText();
                break;
            }
        }
        AutoSolve();
        if (StopRequest == QLatin1String("Stop")) {
            ResetPlay();
            return;
        }
        ShowAnswer();
        const ErrorCheckResult check = ErrorCheck(model, Shared.RowCount, Shared.ColumnCount);
        WrongRow = check.WrongRow;
        WrongColumn = check.WrongColumn;
        if (!check.Correct()) {
            errorText =
                QStringLiteral("エラー! ") + WrongRow + QStringLiteral("行") + WrongColumn + QStringLiteral("桁");
            endText = clock.TimeText();
            Sounds().PlayEvent(SoundError);
            break;
        }
        Shared.CheckFileNo = static_cast<int16_t>(n + 1);
    }
    if (errorText.isEmpty())
        endText = clock.TimeText();
    ShowEndMessage(QStringLiteral("終　　了"), errorText, startText, endText);
    // The board still shows the previous picture, which is no question to
    // play or solve any more.
    if (unreadable)
        ResetPlay();
}

void frmNono::ShowEndMessage(QString result, const QString& errorText, const QString& startText, const QString& endText)
{
    if (MinimisedOrMaximised())
        showNormal();
    frmEndMsg& end = EndMsgForm();
    end.PlaceOnBoard();
    end.lblMessage->setText(result);
    if (errorText.startsWith(u'エ')) {
        Twips::PlaceControl(end.lblMessage, 50, 120, 2000, 460);
        QFont font = end.lblMessage->font();
        font.setPointSizeF(10);
        end.lblMessage->setFont(font);
        result = errorText;
        end.lblFileNo->setVisible(true);
        Twips::MoveControl(end.lblFileNo, 1900, Twips::ControlTop(end.lblFileNo));
        end.lblFileNo->setText(Shared.QuestionPath.right(11));
    }
    if (Shared.SolveMode == QLatin1String("Check")) {
        end.lblTime_s->setText(startText);
        end.lblTime_e->setText(endText);
    }
    end.lblMessage->setText(result);
    end.PointToEnd();
    Platform::dialogs().ShowModal(&end);
    cmdStart->setVisible(true);
}

} // namespace velin
