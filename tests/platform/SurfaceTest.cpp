#include "platform/Surface.h"

#include <gtest/gtest.h>

using namespace velin;

TEST(Surface, DrawingPersistsAcrossGrowthAndIsLoggedInTwips)
{
    Surface s(15, 15);
    s.SetLogging(true);
    s.EnsureSize(1500, 1500);
    s.BackColor = 0xFFFFFF;
    s.Clear();
    s.FillStyle = Surface::FillSolid;
    s.FillColor = 0x008000;
    s.Circle(750, 750, 300, 0x008000);
    s.EnsureSize(3000, 3000);
    EXPECT_EQ(s.Image().width(), 200);
    EXPECT_EQ(s.Image().pixelColor(50, 50), QColor(0, 0x80, 0));  // still there
    ASSERT_EQ(s.Log().size(), 2u);
    EXPECT_EQ(s.Log()[1].kind, Surface::Op::Circle);
    EXPECT_DOUBLE_EQ(s.Log()[1].r, 300);
}

TEST(Surface, ColourValuesAreBlueGreenRed)
{
    EXPECT_EQ(Surface::ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(Surface::ToQColor(0xFF0000), QColor(0, 0, 255));
}

TEST(Surface, TextMetricsAreInTwipsAndGrowWithSize)
{
    Surface s(15, 15);
    s.FontSize = 9;
    const double small = s.TextWidth(QStringLiteral("ヒント"));
    s.FontSize = 18;
    EXPECT_GT(s.TextWidth(QStringLiteral("ヒント")), small * 1.8);
    EXPECT_GT(s.TextHeight(QStringLiteral("0")), 0);
}
