// The board form's make-from-a-drawing job: the registration form in its
// compact layout, optionally an existing picture as the starting drawing (a
// question file solved on the board, or the suspended puzzle), then the board
// as a drawing grid whose Start button registers the picture as a new
// question once every cell is decided.
#include "app/Colors.h"
#include "app/Shared.h"
#include "authoring/DrawingClues.h"
#include "authoring/QuestionWriter.h"
#include "authoring/Registration.h"
#include "authoring/frmEntry.h"
#include "board/QuestionCopies.h"
#include "board/QuestionFile.h"
#include "board/frmEndMsg.h"
#include "board/frmNono.h"
#include "files/FileNames.h"
#include "files/frmFileSel.h"
#include "media/SoundPlayer.h"
#include "platform/AnsiText.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace velin {

namespace {

const QString kReferenceTitle = QStringLiteral("イラスト参照");

// The text as the registration form's box holds it: without the ending the
// form adds. A picture from another set may lack it, and then keeps all of
// its text.
QString WithoutEnding(const QString& text, const QString& ending)
{
    return text.endsWith(ending) ? text.chopped(ending.size()) : text;
}

void HideResumeButton()
{
    if (frmFileSel* fileSel = FileSelFormIfLoaded()) {
        fileSel->cmdHalt->hide();
        fileSel->cmdHalt->setEnabled(false);
    }
}

} // namespace

void frmNono::MenuQuestionMake_Click()
{
    if (SolverRunning())
        return;
    // Chosen from the popup menu: run once the menu has closed. Asked before
    // the play state is reset, which would forget where the command came from.
    if (PopupShown) {
        PopupShown = false;
        PendingCommand = QStringLiteral("Private");
        tmrPopup.start();
        HideResumeButton();
        return;
    }

    const QuestionCopies copies = QuestionCopies::KeepAndClear();
    ResetPlay();
    const QString defaultSolveMode = Shared.DefaultSolveMode;
    SavedInputSwitch = Shared.InputSwitch;
    SavedPlayInput = PlayInput;
    EndMsgForm().lblMessage->setText(QStringLiteral("終　　了"));
    Shared.SolveMode = QStringLiteral("Pc");
    Shared.InputSwitch = QStringLiteral("Off");

    OfferSuspendedPuzzle();
    RunDrawingJob(defaultSolveMode);

    HideResumeButton();
    copies.PutBackUnlessRegistered();
}

void frmNono::OfferSuspendedPuzzle()
{
    frmFileSel& fileSel = FileSelForm();
    if (AnsiReader(Paths::Resolve(FileNames::HaltDataPath(Shared.HomeFolder))).IsOpen()) {
        // Right under Cancel: the place the game first had for it (left
        // 5500, top 3240) lies on this form's Cancel button.
        Twips::MoveControl(fileSel.cmdHalt, Twips::ControlLeft(fileSel.CmdCancel),
                           Twips::ControlTop(fileSel.CmdCancel) + Twips::ControlHeight(fileSel.CmdCancel) + 100);
        fileSel.cmdHalt->setEnabled(true);
        fileSel.cmdHalt->show();
        Shared.RestorePending = false;
    } else {
        fileSel.cmdHalt->setEnabled(false);
    }
}

void frmNono::RunDrawingJob(const QString& defaultSolveMode)
{
    bool refill = false;
    for (;;) {
        // The registration form in its compact layout; after a refusal with
        // what was typed in it.
        Shared.JobMode = QStringLiteral("Private");
        Sounds().PlayEvent(SoundFunction);
        frmEntry& entry = EntryForm();
        entry.menuGrid->setEnabled(false);
        if (refill)
            FillEntryForm(entry, true);
        Platform::dialogs().ShowModal(&entry);
        UnloadEntryForm();

        if (Shared.JobMode == QLatin1String("Private")) {
            refill = DrawingValuesRefused();
            if (refill)
                continue;
            PrepareDrawingBoard();
            Shared.DefaultSolveMode = defaultSolveMode;
            SavedInputSwitch = Shared.InputSwitch;
            SavedPlayInput = PlayInput;
            PlayInput = QStringLiteral("Off");
            OpenDrawingBoard();
            return;
        }
        refill = false;
        if (Shared.JobMode != QLatin1String("Reference"))
            return;
        if (ReferenceLoop())
            return;
        // The first picker was cancelled: back to the registration form.
    }
}

void frmNono::FillEntryForm(frmEntry& entry, bool counts)
{
    entry.txtTitle->setText(WithoutEnding(Shared.QuestionTitle, QStringLiteral("！")));
    entry.txtAnswer->setText(WithoutEnding(Shared.AnswerName, QStringLiteral("でした。")));
    entry.txtComment->setText(Shared.CommentText);
    entry.txtNando->setText(QString::number(Shared.Difficulty));
    if (counts) {
        entry.txtLine->setText(QString::number(Shared.RowCount));
        entry.txtColumn->setText(QString::number(Shared.ColumnCount));
    }
}

bool frmNono::DrawingValuesRefused()
{
    // The board holds at most 60 lines each way, and the reader takes a
    // third line that ends with a digit, or has one character only, for the
    // difficulty: a drawing registered with either could never be loaded.
    QString text;
    if (Shared.RowCount > kMaxLine)
        text = QStringLiteral("【行(縦方向)枠数】が範囲外です。");
    else if (Shared.ColumnCount > kMaxLine)
        text = QStringLiteral("【桁(横方向)枠数】が範囲外です。");
    else if (!QuestionFile::IsCommentLine(Shared.CommentText))
        text = QStringLiteral("【コメント】は２文字以上で、数字以外の文字で終えて下さい。");
    if (text.isEmpty())
        return false;
    Sounds().PlayEvent(SoundError);
    Platform::dialogs().MsgBox(text + QStringLiteral("再設定して下さい。"), Dialogs::Buttons::Ok,
                               Dialogs::Icon::Exclamation, Registration::RefusalTitle());
    return true;
}

void frmNono::ShowReferenceForm()
{
    // The form comes back with the picture's texts, its sizes locked.
    frmEntry& entry = EntryForm();
    FillEntryForm(entry, false);
    ReferenceStopAnswer = -1;
    Platform::dialogs().ShowModal(&entry);
    UnloadEntryForm();
}

bool frmNono::ReferenceLoop()
{
    MenuStop->setEnabled(true);
    frmFileSel& fileSel = FileSelForm();
    fileSel.lblTitle->setText(QStringLiteral("ヒ　ン　ト"));
    fileSel.lblTitleName->clear();
    for (;;) {
        if (Shared.JobMode == QLatin1String("Reference")) {
            cmdStart->hide();
            const bool chosen = ChooseReference();
            cmdStart->show();
            if (!chosen)
                return false;
            ShowReferenceForm();
        } else if (Shared.JobMode == QLatin1String("Private")) {
            if (DrawingValuesRefused()) {
                Shared.JobMode = QStringLiteral("Reference_Ok");
                ShowReferenceForm();
                continue;
            }
            // The reference picture is the starting drawing.
            cmdStart->setText(QStringLiteral("処 理"));
            cmdStart->show();
            PlayInput = QStringLiteral("Off");
            OpenDrawingBoard();
            cmdStart->setEnabled(true);
            return true;
        } else if (Shared.JobMode == QLatin1String("Reference_Ok")) {
            OpenDrawingBoard();
            cmdStart->setEnabled(true);
            return true;
        } else {
            return true;
        }
    }
}

bool frmNono::ChooseReference()
{
    frmFileSel& fileSel = FileSelForm();
    for (;;) {
        surface.FillStyle = Surface::FillTransparent;
        fileSel.SetFolder(Shared.QuestionFolder);
        fileSel.ConfigureForQuestion();
        fileSel.fraMode->hide();
        fileSel.lstFile->hide();
        fileSel.CentreOn(this);
        const QListWidgetItem* first = fileSel.filFile->item(0);
        const QString name = first ? first->text() : QString();
        if (name.size() >= 4 && name.at(3) == u'o')
            fileSel.PointToList(fileSel.filFile);
        else
            fileSel.PointToFolders();
        const QString jobBefore = Shared.JobMode;
        Platform::dialogs().ShowModal(&fileSel);

        bool restored = false;
        if (Shared.JobMode == QLatin1String("Reference_Cancel")) {
            // A later picker cancelled: the picture on the board stands.
            Shared.JobMode = QStringLiteral("Reference_Ok");
            return true;
        }
        if (Shared.JobMode != QLatin1String("Reference_Ok"))
            return false;
        if (Shared.RestorePending) {
            Shared.RestorePending = false;
            // A backup that cannot be restored has said why; pick again.
            if (!Restor()) {
                Shared.JobMode = jobBefore;
                continue;
            }
            Shared.CarriedSeconds = 0;
            restored = true;
        } else {
            // A file that cannot be read has said why. Solving whatever the
            // board still holds would offer a picture that is not the one
            // chosen, so the picker comes back instead.
            if (!LoadQuestion()) {
                Shared.JobMode = jobBefore;
                continue;
            }
            fileSel.fraMode->show();
            surface.FillStyle = Surface::FillSolid;
            surface.FillColor = QBColor(2);
            cmdStart->hide();
            ReferenceSolve();
            cmdStart->show();
        }

        Dialogs::Answer answer = Dialogs::Answer::No;
        if (ReferenceStopAnswer == 6 || ReferenceStopAnswer == 7) {
            answer = ReferenceStopAnswer == 6 ? Dialogs::Answer::Yes : Dialogs::Answer::No;
            ReferenceStopAnswer = -1;
            StopRequest.clear();
        } else {
            answer = Platform::dialogs().MsgBox(QStringLiteral("参照イラストは現在の表示で宜しいですか！"),
                                                Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation, kReferenceTitle);
            if (restored && answer != Dialogs::Answer::Yes)
                Shared.InputSwitch = QStringLiteral("Off");
        }
        Shared.JobMode = QStringLiteral("Reference_Ok");
        if (answer == Dialogs::Answer::Yes)
            return true;
    }
}

void frmNono::ReferenceSolve()
{
    StopRequest.clear();
    ReferenceStopAnswer = -1;
    solverRunning_ = true;
    AutoSolve();
    solverRunning_ = false;
}

bool frmNono::ReferenceStopQuestion()
{
    const Dialogs::Answer answer =
        Platform::dialogs().MsgBox(QStringLiteral("参照イラストは現在の中途表示を使用しますか！"),
                                   Dialogs::Buttons::YesNoCancel, Dialogs::Icon::Exclamation, kReferenceTitle);
    switch (answer) {
    case Dialogs::Answer::Yes:
        ReferenceStopAnswer = 6;
        StopRequest = QStringLiteral("Stop");
        return true;
    case Dialogs::Answer::No:
        ReferenceStopAnswer = 7;
        // The picker comes back only once the solver has stopped, whatever
        // the solve mode a restore left behind.
        if (solverRunning_) {
            StopRequest = QStringLiteral("Stop");
            return true;
        }
        return false;
    default:
        ReferenceStopAnswer = 2;
        return true;
    }
}

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
        Platform::dialogs().MsgBox(Registration::WriteFailedText(Shared.QuestionPath), Dialogs::Buttons::Ok,
                                   Dialogs::Icon::Exclamation, Registration::WriteFailedTitle());
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
