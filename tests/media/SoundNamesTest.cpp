#include "media/SoundNames.h"
#include "app/Colors.h"
#include "media/Palette.h"

#include <gtest/gtest.h>

using namespace velin;

namespace {

// Half-width characters 100 twips wide, everything else 200: a label of
// 1500 twips holds 15 narrow characters.
double FakeWidth(const QString& text)
{
    double width = 0;
    for (const QChar c : text)
        width += c.unicode() < 0x80 ? 100 : 200;
    return width;
}

} // namespace

TEST(SoundNames, ShownNameIsThePartAfterTheLastSeparator)
{
    const QString far = QStringLiteral("C:\\") + QString(101, u'a') + QStringLiteral(".wav");
    const struct {
        QString file;
        QString shown;
    } cases[] = {
        {QStringLiteral("/home/u/Sound/start.wav"), QStringLiteral("start.wav")},
        {QStringLiteral("C:\\SOUND\\ding.wav"), QStringLiteral("ding.wav")},
        {QStringLiteral("D:ding.wav"), QStringLiteral("ding.wav")},
        {QStringLiteral("Soundなし"), QStringLiteral("Soundなし")},
        {QStringLiteral("plain.wav"), QStringLiteral("plain.wav")},
        {QString(), QString()},
        // The separator lies beyond the 100 characters searched.
        {far, far},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SoundNames::ShownName(c.file), c.shown) << c.file.toStdString();
}

TEST(SoundNames, LongNameIsCutAndScrolledByItsBar)
{
    const QString name = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789.wav"); // 40 characters
    const SoundNames::Fit fit = SoundNames::FitName(name, FakeWidth);
    EXPECT_TRUE(fit.scrolls);
    EXPECT_EQ(fit.shown, name.left(15));
    // 25 characters must go for the last 15 to fit; the bar goes 2 further.
    EXPECT_EQ(fit.barMaximum, 27);
    EXPECT_EQ(SoundNames::ScrolledPart(name, 0, FakeWidth), name.left(15));
    EXPECT_EQ(SoundNames::ScrolledPart(name, 10, FakeWidth), name.mid(10, 15));
    EXPECT_EQ(SoundNames::ScrolledPart(name, 25, FakeWidth), name.mid(25));
    EXPECT_EQ(SoundNames::ScrolledPart(name, 27, FakeWidth), name.mid(27));

    // Wide characters count as wide: 7 fit where 15 narrow ones would.
    const QString wide = QStringLiteral("オープニングのサウンド.wav");
    const SoundNames::Fit wideFit = SoundNames::FitName(wide, FakeWidth);
    EXPECT_EQ(wideFit.shown, wide.left(7));
    EXPECT_LE(FakeWidth(wide.mid(wideFit.barMaximum - 2)), 1500);
    EXPECT_GT(FakeWidth(wide.mid(wideFit.barMaximum - 3)), 1500);
}

TEST(SoundNames, NameThatFitsIsShownWhole)
{
    for (const QString& name : {QStringLiteral("fifteen_chars.w"), QStringLiteral("a.wav"), QString()}) {
        const SoundNames::Fit fit = SoundNames::FitName(name, FakeWidth);
        EXPECT_FALSE(fit.scrolls) << name.toStdString();
        EXPECT_EQ(fit.shown, name);
        EXPECT_EQ(fit.barMaximum, 0);
    }
}

TEST(SoundNames, SwitchFlipsExceptOnWithoutAFile)
{
    const struct {
        const char* shown;
        QString file;
        std::optional<QString> after;
    } cases[] = {
        {"On", QStringLiteral("/s/a.wav"), QStringLiteral("Off")},
        {"Off", QStringLiteral("/s/a.wav"), QStringLiteral("On")},
        {"", QStringLiteral("/s/a.wav"), QStringLiteral("On")},
        {"on", QStringLiteral("/s/a.wav"), QStringLiteral("On")},
        // An empty file may be switched on; the writer turns it off again.
        {"Off", QString(), QStringLiteral("On")},
        {"Off", QStringLiteral("Soundなし"), std::nullopt},
        {"On", QStringLiteral("Soundなし"), QStringLiteral("Off")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SoundNames::FlipSwitch(QString::fromUtf8(c.shown), c.file), c.after)
            << c.shown << " " << c.file.toStdString();
}

TEST(Palette, ThirtyTwoColoursInTheStoredForm)
{
    EXPECT_EQ(Palette::kColours32[0], 0x800000); // dark blue: R 0, G 0, B 128
    EXPECT_EQ(Palette::kColours32[6], Rgb(192, 192, 192));
    EXPECT_EQ(Palette::kColours32[14], 0xFFFFFF);
    EXPECT_EQ(Palette::kColours32[26], Rgb(0, 160, 255));
    EXPECT_EQ(Palette::kColours32[29], 0x00A0FF);
    EXPECT_EQ(Palette::kColours32[31], 0);
}

TEST(Palette, SwatchesFormFourRowsOfEight)
{
    const Palette::Rect first{100, 200, 400, 300};
    const struct {
        int index;
        double left;
        double top;
    } cases[] = {
        {0, 100, 200},
        {7, 100 + 7 * 480, 200},
        {8, 100, 200 + 360}, // the first of the second row, below swatch 0
        {31, 100 + 7 * 480, 200 + 3 * 360},
    };
    for (const auto& c : cases) {
        const Palette::Rect r = Palette::SwatchRect(c.index, first);
        EXPECT_DOUBLE_EQ(r.left, c.left) << c.index;
        EXPECT_DOUBLE_EQ(r.top, c.top) << c.index;
        EXPECT_DOUBLE_EQ(r.width, 400);
        EXPECT_DOUBLE_EQ(r.height, 300);
    }
}
