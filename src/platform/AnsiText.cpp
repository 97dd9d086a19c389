#include "platform/AnsiText.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace velin {

namespace {
constexpr const char* kCodec = "windows-31j";
constexpr qsizetype kChunk = 64 * 1024;
} // namespace

QString AnsiText::Decode(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodec);
    return decoder(bytes);
}

QByteArray AnsiText::Encode(const QString& text)
{
    QStringEncoder encoder(kCodec);
    return encoder(text);
}

bool AnsiText::CanEncode(const QString& text)
{
    return Decode(Encode(text)) == text;
}

namespace {

// QSaveFile writes to "NAME.XXXXXX" beside the target and renames it into
// place. A process killed between the two leaves that file behind; such a
// leftover is removed once it is old enough not to be another writer's
// file in progress.
void RemoveStaleTemporaries(const QString& path)
{
    const QFileInfo target(path);
    QDir dir = target.dir();
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(QRegularExpression::escape(target.fileName()) +
                                                                         QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QStringList names =
        dir.entryList({target.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QFileInfo info(dir.filePath(name));
        if (pattern.match(name).hasMatch() && !info.isSymLink() && info.lastModified().toUTC() < stale)
            QFile::remove(info.filePath());
    }
}

} // namespace

bool AnsiText::WriteLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += Encode(line);
        bytes += "\r\n";
    }
    RemoveStaleTemporaries(path);
    // Unbuffered, so that a write the disk refuses fails here: a buffered
    // write would only fail inside commit(), which still renames the empty
    // temporary file over the old one and reports success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

AnsiReader::AnsiReader(const QString& path, qsizetype maxLineBytes) : file_(path), maxLineBytes_(maxLineBytes)
{
    open_ = !path.isEmpty() && QFileInfo(path).isFile() && file_.open(QIODevice::ReadOnly);
    if (!open_)
        failed_ = true;
}

bool AnsiReader::FillBuffer()
{
    if (eof_)
        return false;
    if (bufferPos_ > 0) {
        buffer_.remove(0, bufferPos_);
        bufferPos_ = 0;
    }
    const QByteArray chunk = file_.read(kChunk);
    if (chunk.isEmpty()) {
        eof_ = true;
        return false;
    }
    buffer_ += chunk;
    return true;
}

// A line ends at CR LF, at a lone CR or at a lone LF. Code page 932 never
// uses either byte inside a character, so splitting on bytes is safe.
bool AnsiReader::NextRawLine(QByteArray& bytes)
{
    if (!open_ || failed_)
        return false;
    qsizetype scan = bufferPos_;
    for (;;) {
        for (; scan < buffer_.size(); ++scan) {
            const char ch = buffer_.at(scan);
            if (ch == '\r' || ch == '\n') {
                if (ch == '\r' && scan + 1 >= buffer_.size() && !eof_) {
                    // The LF of a CR LF may be in the next chunk.
                    const qsizetype offset = scan - bufferPos_;
                    FillBuffer();
                    scan = bufferPos_ + offset;
                }
                bytes = buffer_.mid(bufferPos_, scan - bufferPos_);
                qsizetype next = scan + 1;
                if (ch == '\r' && next < buffer_.size() && buffer_.at(next) == '\n')
                    ++next;
                bufferPos_ = next;
                return true;
            }
            if (scan - bufferPos_ >= maxLineBytes_) {
                failed_ = true;
                return false;
            }
        }
        const qsizetype offset = scan - bufferPos_;
        if (!FillBuffer()) {
            if (bufferPos_ < buffer_.size()) { // a last line without a line end
                bytes = buffer_.mid(bufferPos_);
                bufferPos_ = buffer_.size();
                return true;
            }
            if (file_.error() != QFileDevice::NoError)
                failed_ = true;
            return false;
        }
        scan = bufferPos_ + offset;
    }
}

bool AnsiReader::AtEnd()
{
    if (!open_ || failed_)
        return true;
    if (hasPending_)
        return false;
    if (bufferPos_ < buffer_.size())
        return false;
    return !FillBuffer();
}

bool AnsiReader::ReadLine(QString& line)
{
    if (hasPending_) {
        line = pending_;
        pending_.clear();
        hasPending_ = false;
        return true;
    }
    QByteArray bytes;
    if (!NextRawLine(bytes)) {
        failed_ = true;
        return false;
    }
    line = DecodeLine(bytes);
    return true;
}

QString AnsiReader::DecodeLine(const QByteArray& bytes)
{
    // Most lines of the game's files are numbers and commas. Printable ASCII
    // and the tab read the same in code page 932 (its control codes 0x1A,
    // 0x1C and 0x7F do not), so such a line needs no decoder at all.
    bool printable = true;
    for (const char ch : bytes) {
        if (!((ch >= 0x20 && ch < 0x7F) || ch == '\t')) {
            printable = false;
            break;
        }
    }
    if (printable)
        return QString::fromLatin1(bytes);
    if (!decoder_)
        decoder_.emplace(kCodec);
    QString line = (*decoder_)(bytes);
    // Every line is decoded on its own, as by a fresh decoder: the unfinished
    // character at the end of a damaged line does not run into the next.
    decoder_->resetState();
    return line;
}

bool AnsiReader::ReadItem(QString& item)
{
    if (!hasPending_) {
        QString line;
        if (!ReadLine(line))
            return false;
        pending_ = line;
        hasPending_ = true;
    }
    qsizetype i = 0;
    while (i < pending_.size() && (pending_.at(i) == u' ' || pending_.at(i) == u'\t'))
        ++i;
    qsizetype end;
    if (i < pending_.size() && pending_.at(i) == u'"') {
        const qsizetype close = pending_.indexOf(u'"', i + 1);
        if (close < 0) {
            item = pending_.mid(i + 1);
            end = pending_.size();
        } else {
            item = pending_.mid(i + 1, close - i - 1);
            end = pending_.indexOf(u',', close + 1);
            if (end < 0)
                end = pending_.size();
        }
    } else {
        end = pending_.indexOf(u',', i);
        if (end < 0)
            end = pending_.size();
        item = pending_.mid(i, end - i);
    }
    if (end >= pending_.size()) {
        pending_.clear();
        hasPending_ = false;
    } else {
        // What follows the comma is the next item, even when it is empty.
        pending_ = pending_.mid(end + 1);
    }
    return true;
}

} // namespace velin
