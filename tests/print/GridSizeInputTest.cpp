#include "print/GridSizeInput.h"

#include <gtest/gtest.h>

using namespace velin;

TEST(GridSizeInputTest, AnswersOfTheBlankGridBox)
{
    using K = GridSizeAnswer::Kind;
    struct Case {
        const char* answer;
        K kind;
        int rows, columns;
    };
    const Case cases[] = {
        {"20 25", K::Sizes, 20, 25},
        {"", K::Cancel, 0, 0},
        {"20  25", K::Invalid, 0, 0},  // two blanks
        {"5", K::KeepSizes, 0, 0},     // no blank: the loaded sizes
        {"5 x", K::Sizes, 5, 0},       // no number gives 0
        {"139 140", K::Invalid, 0, 0}, // one row too many
        {"138 141", K::Invalid, 0, 0}, // one column too many
        {"138 140", K::Sizes, 138, 140},
        {" 7 8", K::Sizes, 0, 78},     // the first blank leads; blanks inside a number
                                       // are skipped
        {"99999 1", K::Invalid, 0, 0}, // not a 16-bit number
        {"1e9 1", K::Invalid, 0, 0},
        {"12.5 13.5", K::Sizes, 12, 14}, // halves to even
        {"20x 25cm", K::Sizes, 20, 25},  // reading stops at the first other character
        {"2e1 3", K::Sizes, 20, 3},
        {"-3 5", K::Invalid, 0, 0},       // a negative size draws off the page
        {"２０　２５", K::Sizes, 20, 25}, // typed through a Japanese input method
        {"20 ", K::Sizes, 20, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        const GridSizeAnswer a = GridSizeInput::Parse(QString::fromUtf8(c.answer));
        EXPECT_EQ(a.kind, c.kind);
        if (c.kind == K::Sizes) {
            EXPECT_EQ(a.rows, c.rows);
            EXPECT_EQ(a.columns, c.columns);
        }
    }
}

TEST(GridSizeInputTest, LeadingNumberReadsAsFarAsANumberGoes)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"", 0},   {"abc", 0},    {"1 2 3", 123}, {"+4", 4},  {"-4.5", -4.5},
                          {"5e", 5}, {"5e+2", 500}, {"1.2.3", 1.2}, {"7-1", 7}, {"\t9\n", 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(GridSizeInput::LeadingNumber(QString::fromUtf8(c.text)), c.value);
    }
}
