// The board form's print commands: the window as shown, the loaded puzzle as
// a paper form, and blank grid forms of any size.
#include "app/Shared.h"
#include "board/BoardCanvas.h"
#include "board/QuestionFile.h"
#include "board/frmNono.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "print/FormLayout.h"
#include "print/FormPrinter.h"
#include "print/GridSizeInput.h"

#include <QImage>
#include <QPixmap>

namespace velin {

namespace {
const QString kOk = QStringLiteral("Ok");
} // namespace

void frmNono::MenuFilePrint_Click()
{
    // The client area with its controls, as the player sees it.
    const QImage picture = canvas->grab().toImage();
    // Named apart from the form print of the same puzzle, so one does not replace the other.
    const QString name =
        (Shared.QuestionState == kOk ? Shared.QuestionTitle : QStringLiteral("べりん")) + QStringLiteral(" 画面");
    FormPrinter::Print(name, FormPrinter::OrientationFor(picture.size()),
                       [&picture](QPagedPaintDevice& device, QPainter& painter) {
                           FormPrinter::DrawPicture(device, painter, picture);
                       });
}

void frmNono::MenuFilePrintForm_Click()
{
    if (Shared.QuestionState != kOk)
        return;
    if (!BlankForm) {
        // The solver leaves completion markers in the runs; the form prints
        // the puzzle's own numbers.
        BoardModel parsed;
        if (QuestionFile::ParseClues(QuestionFile::FromValues(Shared), parsed)) {
            model.RowRuns = parsed.RowRuns;
            model.ColumnRuns = parsed.ColumnRuns;
        }
    }

    FormInput input;
    input.title = Shared.QuestionTitle;
    input.rows = Shared.RowCount;
    input.columns = Shared.ColumnCount;
    input.rowClueText = Shared.RowClueText;
    input.columnRuns = model.ColumnRuns;
    input.columnClueDepth = model.ColumnClueDepth;
    input.cellLineStyle = Shared.CellLineStyle;
    input.blockLineStyle = Shared.BlockLineStyle;
    input.titleFontSize = Shared.TitleFontSize;
    input.blank = BlankForm;
    const std::vector<FormItem> items = FormLayout::Build(input);
    if (items.empty())
        return;

    const QString name =
        BlankForm ? QStringLiteral("升目枠 %1x%2").arg(input.rows).arg(input.columns) : Shared.QuestionTitle;
    FormPrinter::Print(name, FormPrinter::OrientationFor(FormPrinter::Extent(items)),
                       [&](QPagedPaintDevice& device, QPainter& painter) {
                           FormPrinter::DrawForm(device, painter, items, input.rows, input.columns);
                       });
}

void frmNono::MenuFileWhiteForm_Click()
{
    BlankForm = true;
    const std::optional<QString> answer =
        Platform::dialogs().InputBox(GridSizeInput::kPrompt, GridSizeInput::kTitle, GridSizeInput::kDefault);
    if (!answer || answer->isEmpty()) {
        BlankForm = false;
        return;
    }
    const GridSizeAnswer sizes = GridSizeInput::Parse(*answer);
    if (sizes.kind == GridSizeAnswer::Invalid) {
        BlankForm = false;
        Platform::dialogs().MsgBox(GridSizeInput::kInvalidMessage, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation,
                                   GridSizeInput::kInvalidTitle);
        return;
    }

    // The sizes are lent to the form print and put back afterwards, so the
    // loaded puzzle stays as it was whatever the printer does.
    struct Restore {
        frmNono* form;
        int16_t rows = Shared.RowCount;
        int16_t columns = Shared.ColumnCount;
        QString state = Shared.QuestionState;
        ~Restore()
        {
            Shared.RowCount = rows;
            Shared.ColumnCount = columns;
            Shared.QuestionState = state;
            form->BlankForm = false;
        }
    } restore{this};
    if (sizes.kind == GridSizeAnswer::Sizes) {
        Shared.RowCount = sizes.rows;
        Shared.ColumnCount = sizes.columns;
    }
    Shared.QuestionState = kOk;
    MenuFilePrintForm_Click();
}

} // namespace velin
