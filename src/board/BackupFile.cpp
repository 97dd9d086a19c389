#include "board/BackupFile.h"

#include "platform/AnsiText.h"
#include "platform/Paths.h"

#include <QStringList>
#include <limits>

namespace velin::BackupFile {

namespace {

QString NumberLine(long value)
{
    // A number is stored the way the game has always printed one: a blank
    // for its sign, then the digits.
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

std::optional<long> NumberOf(const QString& line, long lowest, long highest)
{
    const QString text = line.trimmed();
    if (text.isEmpty() || text.size() > 12)
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const bool sign = i == 0 && (ch == u'+' || ch == u'-') && text.size() > 1;
        if (!sign && (ch < u'0' || ch > u'9'))
            return std::nullopt;
    }
    bool ok = false;
    const long value = text.toLong(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

} // namespace

QStringList LinesOf(const BackupData& data)
{
    QStringList lines{kMagic,
                      QStringLiteral("[Question File]"),
                      data.QuestionPath,
                      QStringLiteral("[LineNumber]"),
                      NumberLine(data.RowCount),
                      QStringLiteral("[ColumnNumber]"),
                      NumberLine(data.ColumnCount),
                      QStringLiteral("[Used time]"),
                      NumberLine(data.UsedSeconds),
                      QStringLiteral("[Backup Data]")};
    for (int r = 1; r <= data.RowCount && r <= kMaxLine; ++r)
        for (int c = 1; c <= data.ColumnCount && c <= kMaxLine; ++c)
            lines << NumberLine(data.Cells[r][c]);
    return lines;
}

bool Write(const QString& path, const BackupData& data)
{
    return AnsiText::WriteLines(path, LinesOf(data));
}

std::optional<BackupData> Read(const QString& path, Status& status)
{
    AnsiReader reader(Paths::Resolve(path), kMaxLineBytes);
    if (!reader.IsOpen()) {
        status = Status::Missing;
        return std::nullopt;
    }
    QString line;
    if (!reader.ReadLine(line) || line != kMagic) {
        status = Status::BadMagic;
        return std::nullopt;
    }
    status = Status::Damaged;
    BackupData data;
    QString skipped;
    const auto number = [&](long lowest, long highest) -> std::optional<long> {
        if (!reader.ReadLine(skipped) || !reader.ReadLine(line))
            return std::nullopt;
        return NumberOf(line, lowest, highest);
    };
    if (!reader.ReadLine(skipped) || !reader.ReadLine(data.QuestionPath) || data.QuestionPath.trimmed().isEmpty())
        return std::nullopt;
    const auto rows = number(1, kMaxLine);
    if (!rows)
        return std::nullopt;
    const auto columns = number(1, kMaxLine);
    if (!columns)
        return std::nullopt;
    const auto seconds = number(0, std::numeric_limits<int32_t>::max());
    if (!seconds)
        return std::nullopt;
    if (!reader.ReadLine(skipped))
        return std::nullopt;
    data.RowCount = static_cast<int16_t>(*rows);
    data.ColumnCount = static_cast<int16_t>(*columns);
    data.UsedSeconds = static_cast<int32_t>(*seconds);
    for (int r = 1; r <= data.RowCount; ++r) {
        for (int c = 1; c <= data.ColumnCount; ++c) {
            if (!reader.ReadLine(line))
                return std::nullopt;
            const auto cell = NumberOf(line, kUndecided, kFilled);
            if (!cell)
                return std::nullopt;
            data.Cells[r][c] = static_cast<int16_t>(*cell);
        }
    }
    status = Status::Ok;
    return data;
}

Status CheckFirstLine(const QString& path)
{
    AnsiReader reader(Paths::Resolve(path), kMaxLineBytes);
    if (!reader.IsOpen())
        return Status::Missing;
    QString line;
    // An empty or unreadable first line is as wrong as a different one.
    if (!reader.ReadLine(line))
        return Status::BadMagic;
    return line == kMagic ? Status::Ok : Status::BadMagic;
}

} // namespace velin::BackupFile
