#pragma once
// The suspend backup "haltdata.bak": the board's cells, the question file's
// path and the seconds used so far, kept in the folder above the data folder.
// There is one such file; each save replaces it whole. The reader checks the
// whole file before anything is handed over, so a damaged backup never
// changes the board.
#include "board/BoardModel.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace velin {

struct BackupData {
    QString QuestionPath;
    int16_t RowCount = 0;
    int16_t ColumnCount = 0;
    int32_t UsedSeconds = 0;
    // Cells (row, column), 1-based; only 0, 1 and 2 are ever read back.
    Grid61 Cells{};
};

namespace BackupFile {

inline const QString kMagic = QStringLiteral("*** Kab Backup Data ***");
// Lines of a real backup are short; longer ones mean a damaged file.
inline constexpr qsizetype kMaxLineBytes = 8192;

enum class Status {
    Ok,
    Missing,  // no file, or it cannot be opened
    BadMagic, // the first line is not the magic line
    Damaged,  // too few lines, a value that is not a number, sizes outside 1..60
};

// The file's lines as they are written: the magic line, the section lines and
// every number as a blank followed by its digits.
QStringList LinesOf(const BackupData& data);
// Replaces the file atomically; false when it could not be written.
bool Write(const QString& path, const BackupData& data);
// Reads and checks the whole file; `status` says why nothing came back.
std::optional<BackupData> Read(const QString& path, Status& status);
// Reads the first line only, as the file selection form checks it.
Status CheckFirstLine(const QString& path);

} // namespace BackupFile

} // namespace velin
