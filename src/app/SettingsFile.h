#pragma once
// The settings file velin.ini: one small positional text file in code page
// 932 with CR LF ends, read once at startup and always rewritten whole. This
// is the only code that knows its layout; the game-level read and write with
// their messages are in Settings.h.
#include "app/Shared.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace velin::SettingsFile {

// The two headers the game writes; the first character picks the line styles.
inline const QString kDottedCellsHeader = QStringLiteral("★【べ り ん】イニシャルデータ★");
inline const QString kSolidCellsHeader = QStringLiteral("【べ り ん】イニシャルデータ");

// Keys of the sound lines, by event.
inline const std::array<QString, kSoundEvents> kSoundKeys = {
    QStringLiteral("Opening="),
    QStringLiteral("BGM="),
    QStringLiteral("Start="),
    QStringLiteral("End="),
    QStringLiteral("Stop="),
    QStringLiteral("Entry="),
    QStringLiteral("Function="),
    QStringLiteral("Correct Answer="),
    QStringLiteral("UnCorrect Answer="),
    QStringLiteral("Error="),
};

enum class ReadStatus {
    Ok,
    // The path is not a usable file name (empty or malformed).
    BadPath,
    // Anything else: a missing or unreadable file, a missing item or line, a
    // value that does not convert, too many sound entries.
    BadValue,
};

// The settings file in `folder` (ending with the separator): velin.ini when
// it exists (letter case ignored), otherwise the older name nonogram.ini.
QString Locate(const QString& folder);

// Fills `record` from the file at `path`, field by field in file order, so
// that on a failure the fields read before it keep their new values.
ReadStatus Read(const QString& path, SettingsRecord& record);

// Sets the two line styles from the header's first character: "★" means
// dotted cell lines and solid block lines, anything else the reverse.
void ApplyHeaderStyles(SettingsRecord& record);

// Switches off, in the record, every event sound of 0..9 that has no file
// (empty or "Soundなし").
void ResetEmptySwitches(SettingsRecord& record);

// The 29 lines the file holds for `record`. A header or folder with a comma
// is put in double quotes, so that it reads back whole.
QStringList Lines(const SettingsRecord& record);

// Rewrites the file at `path` atomically, after ResetEmptySwitches when asked.
// Fails, leaving the old file as it was, when the file cannot be written or a
// value cannot be read back as written: characters that code page 932 cannot
// hold (they would come back as "?", naming some other folder or file), a
// line break inside a value, or a header or folder with both a comma and a
// double quote.
bool Write(const QString& path, SettingsRecord& record, bool resetEmptySwitches);

// True when a sound file's path can be written so that it reads back the
// same (the check Write makes of every sound line).
bool SoundFileWritable(const QString& file);

// The numeric value of a colour item's text: leading blanks skipped, then the
// signed whole number it begins with, 0 when it begins with none. Empty when
// the number does not fit in 32 bits.
std::optional<int32_t> LeadingNumber(const QString& text);

// "True"/"False" in any letter case, or a number (non-zero is true); empty
// for anything else.
std::optional<bool> ToBoolean(const QString& text);

} // namespace velin::SettingsFile
