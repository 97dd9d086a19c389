// The information window's texts, its line breaking and its layout.
#include "board/InfoText.h"
#include "board/QuestionFile.h"

#include <gtest/gtest.h>

using namespace velin;

TEST(InfoText, BreaksAfterEvery24thCharacterAndAtOwnLineBreaks)
{
    const QString x24(24, u'あ');
    struct Case {
        const char* name;
        QString message;
        QStringList lines;
    };
    const Case cases[] = {
        {"50 characters", QString(50, u'字'), {QString(24, u'字'), QString(24, u'字'), QString(2, u'字')}},
        {"exactly 24: no empty line after the last", x24, {x24}},
        {"25", x24 + u'い', {x24, QStringLiteral("い")}},
        {"own break restarts the count",
         QString(10, u'a') + u'\r' + QString(30, u'b'),
         {QString(10, u'a'), QString(24, u'b'), QString(6, u'b')}},
        {"LF as well as CR", QStringLiteral("上\n下"), {QStringLiteral("上"), QStringLiteral("下")}},
        {"CR LF is one break", QStringLiteral("上\r\n下"), {QStringLiteral("上"), QStringLiteral("下")}},
        {"own break right after 24 adds no empty line",
         x24 + u'\r' + QStringLiteral("次"),
         {x24, QStringLiteral("次")}},
        {"two breaks keep the empty line",
         QStringLiteral("a\r\rb"),
         {QStringLiteral("a"), QString(), QStringLiteral("b")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InfoText::BreakLines(c.message), c.lines) << c.name;
}

TEST(InfoText, CommentAndDifficultyTexts)
{
    const QString path = QStringLiteral("/d/Question/velin012.dat");
    EXPECT_EQ(InfoText::CommentText(QString(), QStringLiteral("★"), path),
              QStringLiteral("「一言」は登録されていません...！"));
    // A question without a comment line carries the no-comment text as its comment.
    EXPECT_EQ(InfoText::CommentText(QuestionFile::kNoComment, QStringLiteral("★★"), path),
              QStringLiteral("コメントはありません！\r問題[velin012.dat]の難易度！\r難易度は★★で～す！"));
    EXPECT_EQ(InfoText::DifficultyText(QString(), path), QStringLiteral("「難易度マーク★」は設定されていません...！"));
}

TEST(InfoText, WindowFitsPictureAndTextAndIsCentredOnItsOwner)
{
    InfoText::LayoutInput in;
    in.PictureWidth = 480;
    in.PictureHeight = 480;
    in.TextWidth = 3000;
    in.TextHeight = 720;
    in.OkWidth = 1000;
    in.OwnerLeft = 1000;
    in.OwnerTop = 500;
    in.OwnerWidth = 9000;
    in.OwnerHeight = 7000;
    const InfoText::Layout out = InfoText::LayoutOf(in);
    EXPECT_EQ(out.Width, 480 + 3000 + 800);
    EXPECT_EQ(out.Height, 720 + 900);
    EXPECT_EQ(out.Left + out.Width / 2, 1000 + 9000 / 2);
    EXPECT_EQ(out.Top + out.Height / 2, 500 + 7000 / 2);
    EXPECT_EQ(out.OkLeft + in.OkWidth / 2, out.Width / 2);
    EXPECT_EQ(out.OkTop, out.ContentTop + 720 + 340);
    EXPECT_GE(out.TextLeft, out.PictureLeft + in.PictureWidth);
    EXPECT_LE(out.TextLeft + in.TextWidth, out.Width);
}
