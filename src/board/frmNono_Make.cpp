// The board form's make-from-a-drawing job: the board as a drawing grid whose
// Start button registers the picture as a new question once every cell is
// decided.
#include "app/Colors.h"
#include "app/Shared.h"
#include "authoring/DrawingClues.h"
#include "authoring/QuestionWriter.h"
#include "board/frmEndMsg.h"
#include "board/frmNono.h"
#include "files/frmFileSel.h"
#include "media/SoundPlayer.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace velin {

void frmNono::PrepareDrawingBoard()
{
    cmdStart->setText(QStringLiteral("処 理"));
    // An empty grid of the registered size: no file is read, and the clue
    // areas are sized for no clue at all.
    for (int line = 0; line <= kMaxLine; ++line) {
        Shared.RowClueText[static_cast<size_t>(line)].clear();
        Shared.ColumnClueText[static_cast<size_t>(line)].clear();
    }
    surface.FillStyle = Surface::FillTransparent;
    LoadQuestion();
}

void frmNono::OpenDrawingBoard()
{
    Shared.SolveMode = QStringLiteral("Man");
    Shared.QuestionState = QStringLiteral("Ok");
    Shared.InputSwitch = QStringLiteral("On");
    surface.FillStyle = Surface::FillSolid;
    surface.FillColor = QBColor(2);
}

bool frmNono::DrawingJob() const
{
    return Shared.JobMode == QLatin1String("Private");
}

void frmNono::DrawingInput(bool complete)
{
    const QString registerCaption = QStringLiteral("登 録");
    if (!complete) {
        if (cmdStart->text() == registerCaption)
            cmdStart->setEnabled(false);
        return;
    }
    if (cmdStart->isEnabled() && !cmdStart->isHidden())
        return;
    cmdStart->setEnabled(true);
    cmdStart->setText(registerCaption);
    cmdStart->setVisible(true);
}

void frmNono::RegisterDrawing()
{
    cmdStart->setEnabled(false);
    tmrTimer.stop();
    if (Shared.LineMarkMode)
        ShowCrossLines(false);

    const QuestionText question =
        DrawingClues::Question(model, Shared.RowCount, Shared.ColumnCount, Shared.QuestionTitle, Shared.AnswerName,
                               Shared.CommentText, Shared.Difficulty);
    if (!QuestionWriter::Write(Shared.QuestionPath, question)) {
        // Nothing was written (an earlier file stays whole); the drawing and
        // the job stay as they were, so "登 録" can be pressed again once
        // the cause is put right.
        Sounds().PlayEvent(SoundError);
        Platform::dialogs().MsgBox(QStringLiteral("問題ファイル[") + Shared.QuestionPath +
                                       QStringLiteral("]を書き込めませんでした。保存先と空き容量を確認して下さい。"),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QStringLiteral("ファイル書込"));
        cmdStart->setEnabled(true);
        cmdStart->setVisible(true);
        return;
    }
    Paths::ForgetListings();
    if (frmFileSel* fileSel = FileSelFormIfLoaded())
        fileSel->SetFolder(fileSel->DirPath());

    frmEndMsg& end = EndMsgForm();
    end.lblComent->setText(QStringLiteral("問題の新規登録処理が全て終了しました。"));
    end.PlaceOnBoard();
    Sounds().PlayEvent(SoundStart);
    end.PointToEnd();
    Platform::dialogs().ShowModal(&end);

    // Start stays disabled until an input completes the board again; the
    // job goes on, and registers the same file once more.
    cmdStart->setVisible(true);
    Shared.SolveMode = Shared.DefaultSolveMode;
    Shared.InputSwitch = SavedInputSwitch;
    PlayInput = SavedPlayInput;
    SelectSolveModeOption();
}

void frmNono::SelectSolveModeOption()
{
    const size_t option = Shared.SolveMode == QLatin1String("Man")  ? 0
                          : Shared.SolveMode == QLatin1String("Pc") ? 1
                                                                    : 2;
    QRadioButton* button = FileSelForm().optMode[option];
    button->setChecked(false);
    button->setChecked(true);
}

} // namespace velin
