// The print commands of the board, checked on the PDF pages they produce on
// a machine without a printer: positions from the text layer (pdftotext) and
// lines from a rasterised page (pdftoppm), both in twips from the printable
// area's upper-left corner.
#include "../board/BoardFixture.h"
#include "app/Colors.h"
#include "board/BoardCanvas.h"
#include "print/FormPrinter.h"
#include "print/GridSizeInput.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>

using namespace velin;
using namespace velin::test;

namespace {

constexpr double kMargin = FormPrinter::kPdfMarginMm / 25.4 * 1440;

QByteArray Poppler(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed (poppler-utils installed?): " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

struct Word {
    QString text;
    double x = 0, y = 0; // top left, twips from the printable area's origin
};

std::vector<Word> Words(const QString& pdf)
{
    const QString html = QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}));
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    std::vector<Word> words;
    for (const auto& m : word.globalMatch(html))
        words.push_back(
            {m.captured(3), m.captured(1).toDouble() * 20 - kMargin, m.captured(2).toDouble() * 20 - kMargin});
    return words;
}

const Word* Find(const std::vector<Word>& words, const QString& text, double x, double y, double slack = 40)
{
    for (const Word& w : words)
        if (w.text == text && std::abs(w.x - x) <= slack && std::abs(w.y - y) <= slack)
            return &w;
    return nullptr;
}

int Pages(const QString& pdf)
{
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
    return pages.match(QString::fromUtf8(Poppler(QStringLiteral("pdfinfo"), {pdf}))).captured(1).toInt();
}

// A page at `dpi`, drawn without smoothing so that a line's pixels are plainly coloured.
QImage Raster(const QString& pdf, int dpi)
{
    const QByteArray ppm = Poppler(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-f", "1", "-l", "1", "-aa",
                                                                "no", "-aaVector", "no", pdf});
    return QImage::fromData(ppm, "PPM").convertToFormat(QImage::Format_RGB32);
}

// The grid's light blue.
bool IsGrid(QRgb p)
{
    return qBlue(p) > 200 && qBlue(p) - qRed(p) > 40;
}

// Twips of the page at `dpi` for a pixel index, and back.
struct PageGrid {
    QImage image;
    double twipsPerPixel;
    int Px(double twips) const { return static_cast<int>(std::floor((twips + kMargin) / twipsPerPixel)); }
    double Twips(int px) const { return px * twipsPerPixel - kMargin; }
    // The bounds of the grid's colour, in twips.
    QRectF GridBounds() const
    {
        int left = image.width(), top = image.height(), right = -1, bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (IsGrid(image.pixel(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        if (right < 0)
            return {};
        return QRectF(QPointF(Twips(left), Twips(top)), QPointF(Twips(right + 1), Twips(bottom + 1)));
    }
    // How much of a vertical line at x is coloured between y1 and y2.
    double VerticalCover(double x, double y1, double y2) const
    {
        int on = 0, all = 0;
        for (int y = Px(y1) + 2; y < Px(y2) - 2; ++y, ++all)
            for (int dx = -1; dx <= 1; ++dx)
                if (IsGrid(image.pixel(Px(x) + dx, y))) {
                    ++on;
                    break;
                }
        return all ? double(on) / all : 0;
    }
    double HorizontalCover(double y, double x1, double x2) const
    {
        int on = 0, all = 0;
        for (int x = Px(x1) + 2; x < Px(x2) - 2; ++x, ++all)
            for (int dy = -1; dy <= 1; ++dy)
                if (IsGrid(image.pixel(x, Px(y) + dy))) {
                    ++on;
                    break;
                }
        return all ? double(on) / all : 0;
    }
};

PageGrid Page(const QString& pdf, int dpi)
{
    return {Raster(pdf, dpi), 1440.0 / dpi};
}

// rows x columns of a picture whose cells are filled on every third diagonal.
QStringList Diagonals(int rows, int columns)
{
    QStringList picture;
    for (int r = 0; r < rows; ++r) {
        QString row;
        for (int c = 0; c < columns; ++c)
            row += (r + c) % 3 == 0 ? u'#' : u'.';
        picture << row;
    }
    return picture;
}

class PrintTest : public BoardTest {
protected:
    // The next save dialog answers with this file in the output folder.
    QString SaveAs(const QString& name)
    {
        const QString path = out.File(name);
        platform.printTarget.pdfPaths.push_back(path);
        return path;
    }
    void LoadPicture(const QStringList& picture, const QString& title)
    {
        ASSERT_TRUE(Load(WriteQuestion(QStringLiteral("nono001.dat"), picture, title)));
    }
    TempFolder out;
};

TEST_F(PrintTest, FormPrintPlacesFrameLinesAndTitleOnThePage)
{
    Shared.CellLineStyle = 2; // dotted cells, solid blocks
    Shared.BlockLineStyle = 0;
    LoadPicture(Diagonals(15, 20), QStringLiteral("斜線"));
    const QString pdf = SaveAs(QStringLiteral("form.pdf"));
    Board().MenuFilePrintForm_Click();

    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_EQ(platform.printTarget.proposed.value(0).section(u'/', -1), QStringLiteral("斜線.pdf"));
    const auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(pdf)) << boxes[0].text.toStdString();
    EXPECT_EQ(Pages(pdf), 1);

    // The frame from (399, 799) to (5001, 4251), within a pixel at 144 dpi.
    const PageGrid page = Page(pdf, 144);
    const QRectF frame = page.GridBounds();
    EXPECT_NEAR(frame.left(), 399, 10);
    EXPECT_NEAR(frame.top(), 799, 10);
    EXPECT_NEAR(frame.right(), 5001, 10);
    EXPECT_NEAR(frame.bottom(), 4251, 10);
    // Every fifth line solid, the others dotted.
    for (int j = 1; j < 20; ++j) {
        SCOPED_TRACE(testing::Message() << "column line " << j);
        const double cover = page.VerticalCover(j * 230 + 401, 800, 15 * 230 + 800);
        if (j % 5 == 0)
            EXPECT_GT(cover, 0.95);
        else
            EXPECT_LT(cover, 0.7);
    }
    for (int j = 1; j < 15; ++j) {
        SCOPED_TRACE(testing::Message() << "row line " << j);
        const double cover = page.HorizontalCover(j * 230 + 801, 400, 20 * 230 + 400);
        if (j % 5 == 0)
            EXPECT_GT(cover, 0.95);
        else
            EXPECT_LT(cover, 0.7);
    }

    const std::vector<Word> words = Words(pdf);
    EXPECT_NE(Find(words, QStringLiteral("『斜線』"), 600, 300), nullptr);
    // "ＭＳ 明朝" reaches the page as its installed stand-in.
    EXPECT_TRUE(Poppler(QStringLiteral("pdffonts"), {pdf}).contains("IPAMincho"));
    // The clue of row 1 right of the grid. The Mincho font draws "･" with the
    // glyph of "·", which is what the text layer then gives back.
    const QString clue = QString(Shared.RowClueText[1]).replace(u'･', u'·');
    EXPECT_NE(Find(words, clue, (20 + 0.4) * 230 + 400, 800 + 230.0 / 60), nullptr) << clue.toStdString();
}

TEST_F(PrintTest, ColumnCluesPrintThePuzzlesNumbersOnePerLine)
{
    // Column 3 holds 12, 3 and 1; row 20 is full.
    QStringList picture(20, QString(20, u'.'));
    for (int r = 0; r < 16; ++r)
        if (r != 12)
            picture[r][2] = u'#';
    picture[19] = QString(20, u'#');
    LoadPicture(picture, QStringLiteral("縦線"));
    ASSERT_EQ(Shared.ColumnClueText[3], QStringLiteral("12･3･1"));
    // What a finished solver run leaves in the runs: every line marked complete.
    for (int i = 1; i <= 20; ++i) {
        Board().model.RowRuns[i][0] += 50;
        Board().model.ColumnRuns[i][0] += 50;
    }
    const QString pdf = SaveAs(QStringLiteral("form.pdf"));
    Board().MenuFilePrintForm_Click();

    const std::vector<Word> words = Words(pdf);
    const double left = 2 * 230 + 400; // column 3
    const auto line = [](int k) { return (20 + k - 0.8) * 230 + 800; };
    EXPECT_NE(Find(words, QStringLiteral("12"), left + 4, line(1), 20), nullptr);
    EXPECT_NE(Find(words, QStringLiteral("3"), left + 58, line(2), 20), nullptr);
    EXPECT_NE(Find(words, QStringLiteral("1"), left + 58, line(3), 20), nullptr);
    EXPECT_NE(Find(words, QStringLiteral("1"), 58 + 400, line(1), 20), nullptr); // column 1
    // Nothing beyond each column's own numbers (empty rows print their "0" on the right).
    for (const Word& w : words)
        if (w.x < 20 * 230 + 400) {
            EXPECT_NE(w.text, QStringLiteral("0")) << "a solver marker printed at " << w.x << ", " << w.y;
        }
    EXPECT_EQ(Board().model.ColumnRuns[3][0], 3);
}

TEST_F(PrintTest, FormPrintNeedsALoadedQuestion)
{
    SaveAs(QStringLiteral("form.pdf"));
    Board().MenuFilePrintForm_Click();
    EXPECT_TRUE(platform.printTarget.proposed.isEmpty());
    EXPECT_TRUE(platform.dialogs.log.empty());
}

TEST_F(PrintTest, BlankGridAnswersPrintOrAreRefusedAndTheQuestionStays)
{
    LoadPicture(Diagonals(15, 20), QStringLiteral("斜線"));
    struct Case {
        const char* answer;
        int rows, columns; // -1: refused
        int pages = 1;
    };
    const Case cases[] = {
        {"20 25", 20, 25},   {"20  25", -1, -1},       {"5", 15, 20},      {"5 x", 5, 0},
        {"139 140", -1, -1}, {"138 140", 138, 140, 9}, {" 7 8", 0, 78, 2}, {"99999 1", -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        platform.dialogs.log.clear();
        platform.dialogs.inputs.push_back(QString::fromUtf8(c.answer));
        const QString pdf = SaveAs(QStringLiteral("%1.pdf").arg(QString::fromUtf8(c.answer).trimmed()));
        Board().MenuFileWhiteForm_Click();

        EXPECT_EQ(Shared.RowCount, 15);
        EXPECT_EQ(Shared.ColumnCount, 20);
        EXPECT_EQ(Shared.QuestionState, QStringLiteral("Ok"));
        EXPECT_FALSE(Board().BlankForm);
        ASSERT_FALSE(platform.dialogs.log.empty());
        EXPECT_EQ(platform.dialogs.log[0].kind, QStringLiteral("InputBox"));
        EXPECT_EQ(platform.dialogs.log[0].text, GridSizeInput::kPrompt);
        EXPECT_EQ(platform.dialogs.log[0].title, QStringLiteral("白升目枠印刷"));
        const auto boxes = platform.dialogs.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        if (c.rows < 0) {
            platform.printTarget.pdfPaths.clear();
            EXPECT_EQ(boxes[0].text, QStringLiteral("入力値が不正です。印刷を中止して戻ります。"));
            EXPECT_EQ(boxes[0].title, QStringLiteral("エラー情報"));
            EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Exclamation);
            EXPECT_FALSE(QFileInfo::exists(pdf));
            continue;
        }
        ASSERT_TRUE(QFileInfo::exists(pdf));
        EXPECT_EQ(platform.printTarget.proposed.last().section(u'/', -1),
                  QStringLiteral("升目枠 %1x%2.pdf").arg(c.rows).arg(c.columns));
        EXPECT_TRUE(Words(pdf).empty());
        EXPECT_EQ(Pages(pdf), c.pages);
        if (c.pages == 1) {
            const QRectF frame = Page(pdf, 72).GridBounds();
            EXPECT_NEAR(frame.right(), c.columns * 230 + 401, 20);
            EXPECT_NEAR(frame.bottom(), c.rows * 230 + 801, 20);
        }
    }
}

TEST_F(PrintTest, BlankGridWithoutAQuestionAndCancelled)
{
    // Cancel and an empty answer: nothing more is asked or printed.
    platform.dialogs.inputs.push_back(std::nullopt);
    platform.dialogs.inputs.push_back(QString());
    Board().MenuFileWhiteForm_Click();
    Board().MenuFileWhiteForm_Click();
    EXPECT_EQ(platform.dialogs.log.size(), 2u);
    EXPECT_TRUE(platform.printTarget.proposed.isEmpty());
    EXPECT_FALSE(Board().BlankForm);

    // No question: a single number prints the empty frame of the (zero) sizes.
    platform.dialogs.inputs.push_back(QStringLiteral("5"));
    const QString pdf = SaveAs(QStringLiteral("empty.pdf"));
    Board().MenuFileWhiteForm_Click();
    EXPECT_TRUE(QFileInfo::exists(pdf));
    EXPECT_EQ(Shared.QuestionState, QString());
    EXPECT_EQ(Shared.RowCount, 0);

    // A cancelled save dialog prints nothing and says nothing.
    platform.dialogs.log.clear();
    platform.dialogs.inputs.push_back(QStringLiteral("3 3"));
    Board().MenuFileWhiteForm_Click();
    EXPECT_EQ(platform.dialogs.log.size(), 1u);
}

TEST_F(PrintTest, FailuresAreToldAndTheBoardStays)
{
    LoadPicture(Diagonals(5, 5), QStringLiteral("斜線"));
    const BoardModel before = Board().model;

    platform.printTarget.pdfPaths.push_back(out.File(QStringLiteral("missing/form.pdf")));
    Board().MenuFilePrintForm_Click();
    auto boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("PDFファイルを保存できませんでした。")));
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Exclamation);

    platform.dialogs.log.clear();
    platform.printTarget.printer = QStringLiteral("no-such-printer");
    Board().MenuFilePrintForm_Click();
    boxes = platform.dialogs.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("no-such-printer")));
    EXPECT_EQ(boxes[0].title, QStringLiteral("印刷エラー"));

    EXPECT_EQ(Board().model.Board, before.Board);
    EXPECT_EQ(Shared.QuestionState, QStringLiteral("Ok"));
    EXPECT_EQ(Shared.RowCount, 5);
}

TEST_F(PrintTest, WindowPrintFitsTheBoardPictureToThePage)
{
    LoadPicture(Diagonals(15, 20), QStringLiteral("斜線"));
    const QString pdf = SaveAs(QStringLiteral("window.pdf"));
    Board().MenuFilePrint_Click();
    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_EQ(platform.printTarget.proposed.value(0).section(u'/', -1), QStringLiteral("斜線 画面.pdf"));
    EXPECT_EQ(Pages(pdf), 1);

    // The picture fills the printable width or height, its proportions kept.
    const PageGrid page = Page(pdf, 36);
    int left = page.image.width(), right = -1, top = page.image.height(), bottom = -1;
    for (int y = 0; y < page.image.height(); ++y)
        for (int x = 0; x < page.image.width(); ++x)
            if (page.image.pixel(x, y) != qRgb(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GT(right, left);
    const QSize shown = Board().canvas->size();
    const double printedRatio = double(right - left + 1) / (bottom - top + 1);
    EXPECT_NEAR(printedRatio, double(shown.width()) / shown.height(), 0.05);
    const double fullWidth = page.image.width() - 2 * kMargin / page.twipsPerPixel;
    const double fullHeight = page.image.height() - 2 * kMargin / page.twipsPerPixel;
    EXPECT_TRUE(std::abs((right - left + 1) - fullWidth) <= 2 || std::abs((bottom - top + 1) - fullHeight) <= 2);
}

TEST_F(PrintTest, ResetPlayClearsBlankForm)
{
    Board().BlankForm = true;
    Board().ResetPlay();
    EXPECT_FALSE(Board().BlankForm);
}

} // namespace
