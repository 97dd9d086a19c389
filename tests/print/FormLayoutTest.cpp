#include "print/FormLayout.h"

#include "app/Colors.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace velin;

namespace {

std::vector<FormItem> OfKind(const std::vector<FormItem>& items, FormItem::Kind kind)
{
    std::vector<FormItem> result;
    for (const FormItem& item : items)
        if (item.kind == kind)
            result.push_back(item);
    return result;
}

const FormItem* TextAt(const std::vector<FormItem>& items, double x, double y)
{
    for (const FormItem& item : items)
        if (item.kind == FormItem::Text && std::abs(item.x1 - x) < 1e-9 && std::abs(item.y1 - y) < 1e-9)
            return &item;
    return nullptr;
}

// 15 rows and 20 columns; column 1 has the clue 7, column 3 the clue 12･3.
FormInput Puzzle15x20()
{
    FormInput in;
    in.title = QStringLiteral("金魚");
    in.rows = 15;
    in.columns = 20;
    for (int r = 1; r <= 15; ++r)
        in.rowClueText[r] = QStringLiteral("1･2");
    for (int c = 1; c <= 20; ++c)
        in.columnRuns[c] = {1, 1};
    in.columnRuns[1] = {1, 7};
    in.columnRuns[3] = {2, 12, 3};
    in.columnClueDepth = 2;
    in.cellLineStyle = 2;
    in.blockLineStyle = 0;
    in.titleFontSize = 10.5;
    return in;
}

} // namespace

TEST(FormLayoutTest, PuzzleFormPlacesTitleFrameLinesAndClues)
{
    const std::vector<FormItem> items = FormLayout::Build(Puzzle15x20());

    const FormItem* title = TextAt(items, 600, 300);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, QStringLiteral("『金魚』"));
    EXPECT_EQ(title->fontName, QStringLiteral("ＭＳ 明朝"));
    EXPECT_TRUE(title->bold);
    EXPECT_EQ(title->fontSize, 10.5);

    const auto boxes = OfKind(items, FormItem::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].x1, 399);
    EXPECT_EQ(boxes[0].y1, 799);
    EXPECT_EQ(boxes[0].x2, 5001);
    EXPECT_EQ(boxes[0].y2, 4251);
    EXPECT_EQ(boxes[0].width, 2);
    EXPECT_EQ(boxes[0].color, QBColor(9));

    // Inner lines: 14 across, 19 down; every fifth in the block style.
    std::vector<int> blockRows;
    std::vector<int> blockColumns;
    int across = 0;
    int down = 0;
    for (const FormItem& line : OfKind(items, FormItem::Line)) {
        EXPECT_EQ(line.width, 1);
        EXPECT_EQ(line.color, QBColor(9));
        if (line.y1 == line.y2) {
            ++across;
            EXPECT_EQ(line.x1, 400);
            EXPECT_EQ(line.x2, 5000);
            if (line.style == 0)
                blockRows.push_back(static_cast<int>((line.y1 - 801) / 230));
            else
                EXPECT_EQ(line.style, 2);
        } else {
            ++down;
            EXPECT_EQ(line.y1, 800);
            EXPECT_EQ(line.y2, 4250);
            if (line.style == 0)
                blockColumns.push_back(static_cast<int>((line.x1 - 401) / 230));
        }
    }
    EXPECT_EQ(across, 14);
    EXPECT_EQ(down, 19);
    EXPECT_EQ(blockRows, (std::vector<int>{5, 10}));
    EXPECT_EQ(blockColumns, (std::vector<int>{5, 10, 15}));

    // Row clues right of the grid, at 12 points.
    const FormItem* row1 = TextAt(items, 20.4 * 230 + 400, 800 + 230.0 / 60);
    ASSERT_NE(row1, nullptr);
    EXPECT_EQ(row1->text, QStringLiteral("1･2"));
    EXPECT_EQ(row1->fontSize, 12);
    EXPECT_FALSE(row1->bold);
    EXPECT_NE(TextAt(items, 20.4 * 230 + 400, 14 * 230 + 800 + 230.0 / 60), nullptr);

    // Column clues below it, one printed line per number: two digits at
    // offset 4, one digit at offset 58.
    const double line1 = (15 + 1 - 0.8) * 230 + 800;
    const double line2 = (15 + 2 - 0.8) * 230 + 800;
    const FormItem* twelve = TextAt(items, 2 * 230 + 4 + 400, line1);
    const FormItem* three = TextAt(items, 2 * 230 + 58 + 400, line2);
    ASSERT_NE(twelve, nullptr);
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(twelve->text, QStringLiteral("12"));
    EXPECT_EQ(three->text, QStringLiteral("3"));
    ASSERT_NE(TextAt(items, 58 + 400, line1), nullptr);
    EXPECT_EQ(TextAt(items, 58 + 400, line1)->text, QStringLiteral("7"));
    // Columns with one number print nothing on the second line.
    EXPECT_EQ(TextAt(items, 58 + 400, line2), nullptr);
    EXPECT_EQ(OfKind(items, FormItem::Text).size(), 1u + 15 + 20 + 1);
}

TEST(FormLayoutTest, BlankFormHasTheGridOnly)
{
    FormInput in = Puzzle15x20();
    in.blank = true;
    const std::vector<FormItem> items = FormLayout::Build(in);
    EXPECT_TRUE(OfKind(items, FormItem::Text).empty());
    EXPECT_EQ(OfKind(items, FormItem::Box).size(), 1u);
    EXPECT_EQ(OfKind(items, FormItem::Line).size(), 14u + 19);

    // Five rows and no columns: the outline of the frame, the row lines of no length.
    in.rows = 5;
    in.columns = 0;
    const std::vector<FormItem> outline = FormLayout::Build(in);
    const auto boxes = OfKind(outline, FormItem::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].x2, 401);
    EXPECT_EQ(boxes[0].y2, 5 * 230 + 801);
    for (const FormItem& line : OfKind(outline, FormItem::Line))
        EXPECT_EQ(line.x1, line.x2);
}

TEST(FormLayoutTest, LargestGridTheFormHolds)
{
    struct Case {
        int rows, columns;
        bool fits;
    };
    for (const Case c : {Case{138, 140, true}, Case{139, 140, false}, Case{138, 141, false}, Case{0, 0, true}}) {
        SCOPED_TRACE(testing::Message() << c.rows << " x " << c.columns);
        EXPECT_EQ(FormLayout::Fits(c.rows, c.columns), c.fits);
        FormInput in;
        in.rows = c.rows;
        in.columns = c.columns;
        in.blank = true;
        EXPECT_EQ(FormLayout::Build(in).empty(), !c.fits);
    }
}

TEST(FormLayoutTest, LargeFormsAreCutAtGridLines)
{
    struct Case {
        const char* name;
        double extent, page;
        int cells;
        std::vector<double> starts;
    };
    // Grid from 400 with 230-twip cells. A cut inside the grid moves back to
    // 4 twips before the last grid line on the sheet.
    const Case cases[] = {
        {"fits on one sheet", 5001, 11000, 20, {0}},
        {"exactly one sheet", 11000, 11000, 40, {0}},
        {"two sheets", 14200, 11000, 60, {0, 400 + 46 * 230 - 4}},
        {"past the grid: whole sheets", 14000, 11000, 0, {0, 11000}},
        {"140 columns on three sheets", 32601, 15000, 140, {0, 400 + 63 * 230 - 4, 400 + 128 * 230 - 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormLayout::SheetStarts(c.extent, c.page, 400, c.cells), c.starts);
    }
}
