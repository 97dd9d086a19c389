#include "board/InfoText.h"

#include "platform/Paths.h"

#include <algorithm>

namespace velin::InfoText {

QString DifficultyText(const QString& difficultyMark, const QString& questionPath)
{
    if (difficultyMark.isEmpty())
        return QStringLiteral("「難易度マーク★」は設定されていません...！");
    return QStringLiteral("問題[") + Paths::FileNameOf(questionPath) + QStringLiteral("]の難易度！") + u'\r' +
           QStringLiteral("難易度は") + difficultyMark + QStringLiteral("で～す！");
}

QString CommentText(const QString& comment, const QString& difficultyMark, const QString& questionPath)
{
    if (comment.isEmpty())
        return QStringLiteral("「一言」は登録されていません...！");
    return comment + u'\r' + DifficultyText(difficultyMark, questionPath);
}

QStringList BreakLines(const QString& message)
{
    QStringList lines;
    QString line;
    int count = 0;
    // A line filled to 24 characters is already ended; a line break right
    // after it belongs to it and starts no empty line.
    bool brokenByCount = false;
    for (qsizetype i = 0; i < message.size(); ++i) {
        const QChar ch = message.at(i);
        if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\n' && i > 0 && message.at(i - 1) == u'\r')
                continue;
            if (!brokenByCount)
                lines << line;
            line.clear();
            count = 0;
            brokenByCount = false;
            continue;
        }
        brokenByCount = false;
        line += ch;
        if (++count == kLineLength && i != message.size() - 1) {
            lines << line;
            line.clear();
            count = 0;
            brokenByCount = true;
        }
    }
    if (!brokenByCount)
        lines << line;
    return lines;
}

Layout LayoutOf(const LayoutInput& in)
{
    Layout out;
    out.Width = in.PictureWidth + in.TextWidth + 800;
    out.Height = std::max(in.PictureHeight, in.TextHeight) + 900;
    out.Left = in.OwnerLeft + (in.OwnerWidth - out.Width) / 2;
    out.Top = in.OwnerTop + (in.OwnerHeight - out.Height) / 2;
    out.PictureLeft = kMarginLeft;
    out.TextLeft = kMarginLeft + in.PictureWidth + kGap;
    out.ContentTop = kMarginTop;
    out.OkLeft = (out.Width - in.OkWidth) / 2;
    out.OkTop = kMarginTop + in.TextHeight + (out.Width >= in.TextWidth ? 340 : 320);
    return out;
}

} // namespace velin::InfoText
