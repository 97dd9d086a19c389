// The board form's suspend and restore, and the clear record of the
// questions a person has solved.
#include "app/Colors.h"
#include "app/Shared.h"
#include "board/BackupFile.h"
#include "board/ClearRecord.h"
#include "board/QuestionFile.h"
#include "board/frmNono.h"
#include "files/FileNames.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

#include <QPushButton>

namespace velin {

namespace {

const QString kDamaged = QStringLiteral("ファイルが不正です。確認してやり直してください。");

void Warn(const QString& text, const QString& title)
{
    Platform::dialogs().MsgBox(text, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, title);
}

// The backup, checked as a whole and against the question file it names:
// a question that has gone or changed its size cannot take the saved cells.
std::optional<BackupData> ReadBackup()
{
    BackupFile::Status status = BackupFile::Status::Ok;
    std::optional<BackupData> data = BackupFile::Read(FileNames::HaltDataPath(Shared.HomeFolder), status);
    if (data) {
        const auto question = QuestionFile::Read(Paths::Resolve(data->QuestionPath));
        if (!question || question->RowCount != data->RowCount || question->ColumnCount != data->ColumnCount)
            data.reset();
    }
    if (!data)
        Warn(kDamaged, QStringLiteral("ファイル選択エラー"));
    return data;
}

} // namespace

void frmNono::MenuFileHalt_Click()
{
    // Without a question on the board there is nothing to keep, and writing
    // would only destroy the backup saved before.
    if (Shared.QuestionPath.isEmpty() || Shared.RowCount < 1 || Shared.ColumnCount < 1 || Shared.RowCount > kMaxLine ||
        Shared.ColumnCount > kMaxLine) {
        Warn(QStringLiteral("中断保存するパズルがありません。"), QStringLiteral("エラー情報"));
        return;
    }
    BackupData data;
    data.QuestionPath = Shared.QuestionPath;
    data.RowCount = Shared.RowCount;
    data.ColumnCount = Shared.ColumnCount;
    data.UsedSeconds = tmrTimer.isActive() ? PlayClock::Elapsed(static_cast<int32_t>(Platform::clock().SecondsOfDay()),
                                                                Clock.SolveStartTime, Shared.CarriedSeconds)
                                           : Clock.ElapsedSeconds;
    for (int r = 1; r <= data.RowCount; ++r)
        for (int c = 1; c <= data.ColumnCount; ++c)
            data.Cells[r][c] = model.Board[r][c];
    if (!BackupFile::Write(FileNames::HaltDataPath(Shared.HomeFolder), data))
        Warn(kDamaged, QStringLiteral("エラー情報"));
}

void frmNono::MenuFileRestor_Click()
{
    // The running solver owns the board until its run ends.
    if (SolverRunning())
        return;
    if (!Shared.RestorePending) {
        const Dialogs::Answer answer = Platform::dialogs().MsgBox(
            QStringLiteral("[人]がパズルを解くモードに変更して中断情報を元にパズルを復元します。") + u'\r' +
                QStringLiteral("　　　　　復元は[はい]を、中止は[いいえ]を選択してください。"),
            Dialogs::Buttons::YesNo, Dialogs::Icon::Question, QStringLiteral("中断パズルの復元"));
        if (answer != Dialogs::Answer::Yes) {
            Platform::dialogs().MsgBox(QStringLiteral("パズルの復元処理を中断しました。"), Dialogs::Buttons::Ok,
                                       Dialogs::Icon::None, QString());
            return;
        }
    }
    Shared.RestorePending = false;
    // A backup that cannot be restored leaves the board as it is, play included.
    if (!ReadBackup())
        return;
    ResetPlay();
    if (!Restor())
        return;
    Clock.Start(static_cast<int32_t>(Platform::clock().SecondsOfDay()));
    tmrTimer.start();
    cmdStart->setEnabled(false);
    cmdStart->setVisible(true);
    if (PlayInput == QLatin1String("On") && Shared.LineMarkMode && Shared.SolveMode == QLatin1String("Man") &&
        Shared.QuestionState == QLatin1String("Ok"))
        ShowCrossLines(true);
}

bool frmNono::Restor()
{
    if (SolverRunning())
        return false;
    const std::optional<BackupData> data = ReadBackup();
    if (!data)
        return false;
    Shared.CarriedSeconds = data->UsedSeconds;
    Shared.ResumeSolveMode = Shared.SolveMode;
    Shared.SolveMode = QStringLiteral("Man");
    Shared.QuestionPath = data->QuestionPath;
    if (!LoadQuestion())
        return false;

    Shared.QuestionState = QStringLiteral("Ok");
    Shared.InputSwitch = QStringLiteral("On");
    PlayInput = QStringLiteral("On");
    surface.FillStyle = Surface::FillSolid;
    surface.FillColor = QBColor(2);

    // The loaded question's sizes bound the copy, whatever the file said.
    const GridGeometry grid = layout.Grid();
    for (int r = 1; r <= Shared.RowCount && r <= data->RowCount; ++r) {
        for (int c = 1; c <= Shared.ColumnCount && c <= data->ColumnCount; ++c) {
            const int16_t cell = data->Cells[r][c];
            model.Board[r][c] = cell;
            if (cell == kUndecided)
                continue;
            const double radius = cell == kBlank ? grid.SmallRadius() : grid.FilledRadius();
            Shared.MarkRadius = radius;
            surface.Circle(grid.CellCentreX(c), grid.CellCentreY(r), radius, QBColor(2));
        }
    }
    surface.Refresh();
    return true;
}

void frmNono::RecordCleared(const QString& questionPath)
{
    if (questionPath.isEmpty())
        return;
    switch (ClearRecord::Record(FileNames::ClearRecordPath(Shared.HomeFolder), questionPath, Shared.ClearList)) {
    case ClearRecord::RecordResult::BadMagic:
        Warn(kDamaged, QStringLiteral("ファイル選択エラー"));
        break;
    case ClearRecord::RecordResult::WriteFailed:
        Warn(QStringLiteral("クリア記録ファイル[") + FileNames::kClearRecordName +
                 QStringLiteral("]に書き込めません。"),
             QStringLiteral("エラー情報"));
        break;
    default:
        break;
    }
}

} // namespace velin
