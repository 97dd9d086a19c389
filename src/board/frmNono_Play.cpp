// The board form's play control: reset, start and stop, the person's cell
// input with the answer check, and the play clock.
#include "app/Colors.h"
#include "app/Shared.h"
#include "board/BoardCanvas.h"
#include "board/CellInput.h"
#include "board/ErrorCheck.h"
#include "board/frmEndMsg.h"
#include "board/frmNono.h"
#include "files/frmFileSel.h"
#include "media/SoundPlayer.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QAction>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace velin {

void frmNono::ResetPlay()
{
    tmrTimer.stop();
    tmrPopup.stop();
    PopupShown = false;
    SkipNextClick = false;
    Shared.CellSize = Shared.BaseCellSize;
    Shared.QuestionState.clear();
    StopRequest.clear();
    Shared.JobMode.clear();
    PlayInput = QStringLiteral("Off");
    MenuStop->setEnabled(false);
    MenuQuestionEntry->setEnabled(true);
    MenuQuestionMake->setEnabled(true);
    ShowCrossLines(false);
    Shared.CheckPickStep = 0;
    Shared.CheckCount = 0;
    surface.FillStyle = Surface::FillTransparent;
    surface.FillColor = QBColor(15);
    cmdStart->setEnabled(false);
    cmdStart->setText(QStringLiteral("開 始"));
    cmdStart->setVisible(true);
    EndMsgForm().ResetLayout();
    Shared.SolveMode = Shared.DefaultSolveMode;
    if (frmFileSel* fileSel = FileSelFormIfLoaded()) {
        fileSel->cmdHalt->setEnabled(false);
        fileSel->cmdHalt->setVisible(false);
    }
    Shared.CarriedSeconds = 0;
    BlankForm = false;
}

bool frmNono::InputLive() const
{
    return PlayInput == QLatin1String("On") && Shared.QuestionState == QLatin1String("Ok") &&
           Shared.InputSwitch == QLatin1String("On") && Shared.SolveMode == QLatin1String("Man");
}

void frmNono::cmdStart_Click()
{
    // A load inside a batch shows Start again; pressed then, it would start
    // a second solver inside the first, which Stop could no longer end.
    if (solverRunning_)
        return;
    cmdStart->hide();
    StopRequest.clear();
    MenuStop->setEnabled(true);
    Sounds().PlayEvent(SoundStart);
    if (Shared.SolveMode == QLatin1String("Man")) {
        if (Shared.LineMarkMode)
            ShowCrossLines(true);
        MenuEditCopy_Click();
        PlayInput = QStringLiteral("On");
        if (Shared.JobMode.isEmpty())
            tmrTimer.start();
        Clock.Start(static_cast<int32_t>(Platform::clock().SecondsOfDay()));
        if (DrawingJob() && cmdStart->text() == QStringLiteral("登 録"))
            RegisterDrawing();
        return;
    }
    const bool pc = Shared.SolveMode == QLatin1String("Pc");
    if (!pc && Shared.SolveMode != QLatin1String("Check"))
        return;
    solverRunning_ = true;
    struct RunEnds {
        bool& running;
        ~RunEnds() { running = false; }
    } runEnds{solverRunning_};
    if (pc)
        RunPc();
    else
        RunCheck();
}

void frmNono::MenuStop_Click()
{
    Sounds().PlayEvent(SoundStop);
    // While a reference picture is being solved, the author says what the
    // stop means for the picture.
    if (Shared.JobMode == QLatin1String("Reference_Ok") && ReferenceStopQuestion()) {
        ShowCrossLines(false);
        return;
    }
    if (Shared.SolveMode == QLatin1String("Pc") || Shared.SolveMode == QLatin1String("Check")) {
        StopRequest = QStringLiteral("Stop");
    } else if (Shared.SolveMode == QLatin1String("Man")) {
        tmrTimer.stop();
        PlayInput.clear();
    }
    ShowCrossLines(false);
}

void frmNono::Form_MouseDown(int button, int shift, double x, double y)
{
    (void)shift;
    CellInput::Press(InputLive(), button, x, y, DownX, DownY);
}

void frmNono::Form_MouseMove(int button, int shift, double x, double y)
{
    (void)button;
    (void)shift;
    if (Shared.SolveMode != QLatin1String("Man") || linMarkX->isHidden())
        return;
    PlaceCrossLines(x, y);
}

void frmNono::Form_MouseUp(int button, int shift, double x, double y)
{
    CellInput::Release release;
    release.InputLive = InputLive();
    release.Button = button;
    release.Shift = shift;
    release.X = x;
    release.Y = y;
    release.DownX = DownX;
    release.DownY = DownY;
    release.Grid = layout.Grid();
    release.BackColor = surface.BackColor;
    const CellInput::ReleaseResult result = CellInput::Released(release, PopupShown, SkipNextClick, model);
    if (result.Action == CellInput::ReleaseAction::OpenPopup) {
        menuFile->popup(QCursor::pos());
        return;
    }
    if (result.Action != CellInput::ReleaseAction::Cells)
        return;

    for (const CellInput::CellMark& mark : result.Marks)
        DrawMark(mark);
    surface.Refresh();
    // A drawing is not checked against clues: it makes them.
    if (DrawingJob()) {
        DrawingInput(result.Complete);
        return;
    }
    if (result.Complete)
        AnswerCheck();
}

void frmNono::DrawMark(const CellInput::CellMark& mark)
{
    surface.FillStyle = Surface::FillSolid;
    surface.FillColor = mark.Color;
    Shared.MarkRadius = mark.Radius;
    if (mark.Square)
        surface.FillBox(mark.CentreX - mark.Radius, mark.CentreY - mark.Radius, mark.CentreX + mark.Radius,
                        mark.CentreY + mark.Radius, mark.Color);
    else
        surface.Circle(mark.CentreX, mark.CentreY, mark.Radius, mark.Color);
}

void frmNono::AnswerCheck()
{
    tmrTimer.stop();
    ShowAnswer();
    Shared.QuestionState.clear();
    QString result = QStringLiteral("正 　 解");
    Shared.WrongAnswer = QStringLiteral("Off");
    int sound = SoundCorrect;
    const ErrorCheckResult check = ErrorCheck(model, Shared.RowCount, Shared.ColumnCount);
    WrongRow = check.WrongRow;
    WrongColumn = check.WrongColumn;
    if (!check.Correct()) {
        result = QStringLiteral("不 正 解");
        Shared.WrongAnswer = QStringLiteral("On");
        sound = SoundUnCorrect;
    }
    Shared.CarriedSeconds = 0;
    ShowCrossLines(false);
    if (check.Correct())
        RecordCleared(Shared.QuestionPath);

    frmEndMsg& end = EndMsgForm();
    end.PlaceOnBoard();
    if (!check.Correct()) {
        end.cmdRetry->setVisible(true);
        end.cmdRetry->setEnabled(true);
        Twips::MoveControl(end.cmdEnd, Twips::ControlLeft(end.lblTime_s) + 400, Twips::ControlTop(end.cmdEnd));
        Twips::MoveControl(end.cmdRetry, Twips::ControlLeft(end.lblTime_e) - 400, Twips::ControlTop(end.cmdRetry));
        end.lblComent->setText(QStringLiteral("【了　　解】か【再挑戦】を選択して処理を指定して下さい。"));
        model.ClearCells(Shared.RowCount, Shared.ColumnCount);
    }
    cmdStart->setVisible(true);
    end.lblMessage->setText(result);
    Sounds().PlayEvent(sound);
    end.PointToEnd();
    Platform::dialogs().ShowModal(&end);

    if (Shared.WrongAnswer == QLatin1String("On")) {
        surface.FillColor = surface.BackColor;
        LoadQuestion();
        PlayInput = QStringLiteral("Off");
        Twips::MoveControl(end.cmdEnd, 1200, Twips::ControlTop(end.cmdEnd));
        end.cmdRetry->hide();
        end.cmdRetry->setEnabled(false);
        end.lblComent->setText(QStringLiteral("【ファイル(Ｆ)】等を選択して処理を指定して下さい。"));
        Shared.QuestionState = QStringLiteral("Ok");
    } else if (!Shared.ResumeSolveMode.isEmpty()) {
        Shared.SolveMode = Shared.ResumeSolveMode;
    }
}

void frmNono::tmrTimer_Timer()
{
    PrintClock(Clock.Tick(static_cast<int32_t>(Platform::clock().SecondsOfDay()), Shared.CarriedSeconds,
                          Shared.SolveMode, Shared.JobMode, isMinimized()));
}

void frmNono::ShowPlayTime()
{
    PrintClock(Clock.ShowPlayTime(static_cast<int32_t>(Platform::clock().SecondsOfDay()), Shared.CarriedSeconds,
                                  Shared.SolveMode, Shared.JobMode, isMinimized()));
}

void frmNono::PrintClock(const PlayClock::Display& display)
{
    if (!display.Show)
        return;
    const GridGeometry grid = layout.Grid();
    const int32_t fore = surface.ForeColor;
    if (!display.Erase.isEmpty()) {
        surface.ForeColor = surface.BackColor;
        surface.Print(grid.ClockX(), grid.ClockY(), display.Erase);
    }
    surface.ForeColor = kClockBlue;
    surface.Print(grid.ClockX(), grid.ClockY(), display.Text);
    surface.ForeColor = fore;
    const double h = surface.TextHeight(display.Text);
    const double w = surface.TextWidth(display.Text.size() >= display.Erase.size() ? display.Text : display.Erase);
    RefreshArea(grid.ClockX(), grid.ClockY(), w, h);
}

void frmNono::RefreshArea(double x, double y, double width, double height)
{
    canvas->update(PixelRect(x, y, width, height));
}

} // namespace velin
