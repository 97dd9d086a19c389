#pragma once
// Text files as the game keeps them: the Japanese ANSI code page (932) with
// CR LF line ends. Reading is incremental, so a huge or binary file costs no
// more than the lines actually asked for; writing replaces a file atomically,
// so a failed write never leaves half a file behind.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <optional>

namespace velin {

class AnsiReader {
public:
    // A line longer than this many bytes makes the read fail rather than
    // letting a damaged file eat memory.
    static constexpr qsizetype kDefaultMaxLineBytes = 1 << 20;

    // Only regular files are opened: opening a FIFO or a device would block
    // or read without end.
    explicit AnsiReader(const QString& path, qsizetype maxLineBytes = kDefaultMaxLineBytes);

    bool IsOpen() const { return open_; }
    // True once a read went wrong (past the end, an overlong line, an I/O error).
    bool Failed() const { return failed_; }
    // True when no more data is left (the rest of a partly read line counts as data).
    bool AtEnd();

    // Reads a whole line (or the rest of a line whose first items were read).
    bool ReadLine(QString& line);
    // Reads one item: it ends at a comma or at the end of the line, leading
    // blanks are skipped, and an item in double quotes yields the quoted text.
    bool ReadItem(QString& item);

private:
    bool NextRawLine(QByteArray& bytes);
    bool FillBuffer();
    QString DecodeLine(const QByteArray& bytes);

    QFile file_;
    qsizetype maxLineBytes_;
    bool open_ = false;
    bool failed_ = false;
    bool eof_ = false;
    QByteArray buffer_;
    qsizetype bufferPos_ = 0;
    // The line that items are being taken from.
    QString pending_;
    bool hasPending_ = false;
    // Made for the first line that needs it and kept for the file: making a
    // code page 932 decoder costs far more than decoding a line with it.
    std::optional<QStringDecoder> decoder_;
};

namespace AnsiText {

QString Decode(const QByteArray& bytes);
QByteArray Encode(const QString& text);
// True when the text survives the code page unchanged; a character the code
// page lacks would otherwise be written as "?" without a word.
bool CanEncode(const QString& text);

// Writes the lines, each followed by CR LF, replacing the file atomically:
// on any failure (a full disk included) it returns false and the old file
// stays as it was. Temporary files that an earlier writer left behind when it
// was killed between writing and renaming are cleared on the way.
bool WriteLines(const QString& path, const QStringList& lines);

} // namespace AnsiText

} // namespace velin
