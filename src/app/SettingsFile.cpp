#include "app/SettingsFile.h"

#include "platform/AnsiText.h"
#include "platform/Paths.h"

namespace velin::SettingsFile {

namespace {

const QString kNoSound = QStringLiteral("Soundなし");
// Sound lines beyond the ten known events carry a key of this length.
constexpr qsizetype kExtraKeyLength = 6;
// "Question=" and "FormColor=" plus the sign position.
constexpr qsizetype kQuestionKeyLength = 9;
constexpr qsizetype kColorItemLength = 11;
constexpr int32_t kDefaultFormColor = 15;

// A name the system cannot even try to open: empty, with a NUL character, or
// with a component or a whole path longer than the file system allows.
bool IsWellFormedPath(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return false;
    const QByteArray bytes = path.toUtf8();
    if (bytes.size() >= 4096)
        return false;
    for (const QByteArray& part : bytes.split('/'))
        if (part.size() > 255)
            return false;
    return true;
}

qsizetype KeyLength(int index)
{
    return index < kSoundEvents ? kSoundKeys[static_cast<size_t>(index)].size() : kExtraKeyLength;
}

QString BooleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Lines 1 to 9 are read as comma-separated items, so a header or folder with
// a comma is written in double quotes, which the reader strips again; left
// bare, the rest of it would be taken for the next item and every later
// value would shift, leaving a file the game can no longer start with.
QString AsItem(const QString& text)
{
    if (text.contains(u','))
        return u'"' + text + u'"';
    return text;
}

// An item with both a comma and a double quote has no written form.
bool ItemWritable(const QString& text)
{
    return !(text.contains(u',') && text.contains(u'"'));
}

// A line reads back as written: no line break inside, and every character
// held by code page 932.
bool LineWritable(const QString& line)
{
    return !line.contains(u'\r') && !line.contains(u'\n') && AnsiText::CanEncode(line);
}

} // namespace

QString Locate(const QString& folder)
{
    const QString current = folder + QStringLiteral("velin.ini");
    if (Paths::FileExists(current))
        return Paths::Resolve(current);
    const QString older = folder + QStringLiteral("nonogram.ini");
    return Paths::FileExists(older) ? Paths::Resolve(older) : older;
}

void ApplyHeaderStyles(SettingsRecord& record)
{
    const bool dottedCells = record.SettingsHeader.startsWith(u'★');
    record.CellLineStyle = dottedCells ? 2 : 0;
    record.BlockLineStyle = dottedCells ? 0 : 2;
}

bool SoundFileWritable(const QString& file)
{
    return LineWritable(file);
}

std::optional<int32_t> LeadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    // Accumulate as a negative number so that the smallest 32-bit value fits.
    constexpr int64_t kLimit = int64_t{INT32_MAX} + 1;
    int64_t value = 0;
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
        value = value * 10 + (text.at(i).unicode() - u'0');
        if (value > kLimit)
            return std::nullopt;
    }
    if (negative)
        return static_cast<int32_t>(-value);
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<bool> ToBoolean(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    // A plain decimal number, possibly signed and with a fraction.
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == u'-' || t.at(i) == u'+'))
        ++i;
    bool digits = false;
    bool nonZero = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c >= u'0' && c <= u'9') {
            digits = true;
            nonZero = nonZero || c != u'0';
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return nonZero;
}

ReadStatus Read(const QString& path, SettingsRecord& record)
{
    if (!IsWellFormedPath(path))
        return ReadStatus::BadPath;
    AnsiReader in(path);
    if (!in.IsOpen())
        return ReadStatus::BadValue;

    QString item;
    const auto next = [&in, &item] { return in.ReadItem(item); };

    if (!next())
        return ReadStatus::BadValue;
    record.SettingsHeader = item;
    ApplyHeaderStyles(record);

    // The section names are only skipped; the keys are cut off by length.
    if (!next() || !next())
        return ReadStatus::BadValue;
    if (item.size() == kQuestionKeyLength) {
        record.QuestionFolder.clear();
    } else {
        QString folder = item.mid(kQuestionKeyLength);
        if (!folder.endsWith(Paths::Separator))
            folder += Paths::Separator;
        record.QuestionFolder = folder;
    }

    if (!next())
        return ReadStatus::BadValue;
    // Older files carry an "Answer=" line between the folder and the colour.
    if (item.left(7).toLower() == QLatin1String("answer=") && !next())
        return ReadStatus::BadValue;
    if (item.size() == kColorItemLength) {
        record.FormColor = kDefaultFormColor;
    } else {
        const std::optional<int32_t> color = LeadingNumber(item.mid(kColorItemLength));
        if (!color)
            return ReadStatus::BadValue;
        record.FormColor = *color;
    }

    if (!next() || !next())
        return ReadStatus::BadValue;
    const std::optional<bool> lineMark = ToBoolean(item);
    if (!lineMark)
        return ReadStatus::BadValue;
    record.LineMarkMode = *lineMark;

    if (!next() || !next())
        return ReadStatus::BadValue;
    const std::optional<bool> endMessage = ToBoolean(item);
    if (!endMessage)
        return ReadStatus::BadValue;
    record.EndMessageDisplay = *endMessage;

    if (!next())
        return ReadStatus::BadValue;
    record.SoundFile.fill(QString());
    record.SoundSwitch.fill(QString());
    QString line;
    for (int i = 0; !in.AtEnd(); ++i) {
        if (i >= kSoundEntries)
            return ReadStatus::BadValue;
        const qsizetype keyLength = KeyLength(i);
        if (!in.ReadLine(line) || line.size() < keyLength)
            return ReadStatus::BadValue;
        record.SoundFile[static_cast<size_t>(i)] = line.mid(keyLength);
        if (!in.ReadLine(line))
            return ReadStatus::BadValue;
        record.SoundSwitch[static_cast<size_t>(i)] = line;
    }
    return in.Failed() ? ReadStatus::BadValue : ReadStatus::Ok;
}

void ResetEmptySwitches(SettingsRecord& record)
{
    for (size_t i = 0; i < kSoundEvents; ++i)
        if (record.SoundFile[i].isEmpty() || record.SoundFile[i] == kNoSound)
            record.SoundSwitch[i] = QStringLiteral("Off");
}

QStringList Lines(const SettingsRecord& record)
{
    QStringList lines;
    lines << AsItem(record.SettingsHeader) << QStringLiteral("[Data Folder]")
          << AsItem(QStringLiteral("Question=") + record.QuestionFolder.toLower())
          << QStringLiteral("FormColor=") + (record.FormColor >= 0 ? QStringLiteral(" ") : QString()) +
                 QString::number(record.FormColor)
          << QStringLiteral("[Line Mark Mode]") << BooleanText(record.LineMarkMode)
          << QStringLiteral("[EndWindow Display Mode]") << BooleanText(record.EndMessageDisplay)
          << QStringLiteral("[Sound Files List]");
    for (size_t i = 0; i < kSoundEvents; ++i)
        lines << kSoundKeys[i] + record.SoundFile[i] << record.SoundSwitch[i];
    return lines;
}

bool Write(const QString& path, SettingsRecord& record, bool resetEmptySwitches)
{
    if (resetEmptySwitches)
        ResetEmptySwitches(record);
    if (!IsWellFormedPath(path))
        return false;
    if (!ItemWritable(record.SettingsHeader) || !ItemWritable(record.QuestionFolder))
        return false;
    const QStringList lines = Lines(record);
    for (const QString& line : lines)
        if (!LineWritable(line))
            return false;
    const bool written = AnsiText::WriteLines(path, lines);
    Paths::ForgetListings();
    return written;
}

} // namespace velin::SettingsFile
