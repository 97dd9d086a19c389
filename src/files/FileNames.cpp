#include "files/FileNames.h"

#include "platform/Paths.h"

namespace velin::FileNames {

namespace {

bool IsAsciiDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

// The value of the digits a text starts with; 0 when there are none.
int LeadingDigitsValue(const QString& text)
{
    int value = 0;
    for (qsizetype i = 0; i < text.size() && IsAsciiDigit(text.at(i)) && value < 100000; ++i)
        value = value * 10 + (text.at(i).unicode() - u'0');
    return value;
}

} // namespace

bool HasQuestionExtension(const QString& path)
{
    return path.endsWith(QLatin1String(".dat")) || path.endsWith(QLatin1String(".DAT"));
}

BatchPick PickBatch(const QString& questionPath)
{
    BatchPick pick;
    if (questionPath.size() < 7)
        return pick;
    QString tail = questionPath.right(7);
    if (tail.at(0) > u'9') {
        tail = questionPath.right(6);
        pick.NumberWidth = 2;
    }
    const QString number = tail.left(tail.size() - 4);
    pick.PathPrefix = questionPath.left(questionPath.size() - (pick.NumberWidth + 4));
    pick.Valid = true;
    for (const QChar ch : number)
        pick.Valid = pick.Valid && IsAsciiDigit(ch);
    pick.Number = pick.Valid ? LeadingDigitsValue(number) : 0;
    return pick;
}

QString BatchNumberText(int n, int numberWidth)
{
    const int digits = n < 100 && numberWidth == 2 ? 2 : 3;
    return QStringLiteral("%1").arg(n, digits, 10, QChar(u'0'));
}

QString BatchFileName(const QString& pathPrefix, int n, int numberWidth)
{
    return pathPrefix + BatchNumberText(n, numberWidth) + QStringLiteral(".dat");
}

QString FamilyPrefixOf(const QString& fileName)
{
    const QString first = fileName.left(1).toLower();
    if (first == u'v')
        return QStringLiteral("velin");
    if (first == u'k')
        return QStringLiteral("kabQue");
    return QStringLiteral("nono");
}

QString BatchDisplayName(const QString& questionPath, int checkFileNo)
{
    return FamilyPrefixOf(Paths::FileNameOf(questionPath)) + BatchNumberText(checkFileNo, 3);
}

int NumberBeforeExtension(const QString& questionPath)
{
    if (questionPath.size() < 7)
        return 0;
    return LeadingDigitsValue(questionPath.mid(questionPath.size() - 7, 3));
}

QString HaltDataPath(const QString& homeFolder)
{
    return Paths::ParentFolderOf(homeFolder) + kHaltDataName;
}

QString ClearRecordPath(const QString& homeFolder)
{
    return Paths::ParentFolderOf(homeFolder) + kClearRecordName;
}

} // namespace velin::FileNames
