// velin-make-opening ART_FILE OUTPUT_FOLDER [--check]
// Paints the opening picture from colour text art (data/art/opening.txt) and
// cuts it into the 5 x 5 pieces that the opening form reveals one by one:
// <prefix>00.png .. <prefix>24.png, piece n from row n div 5, column n mod 5,
// and the whole picture as <prefix>.png for the idle board.
//
// The art file: header lines, an empty line, then the rows, one character a
// pixel:
//   prefix: snake            names of the files written
//   scale: 2                 output pixels per art pixel
//   colour: k 1f4d1f ...     a character and its RRGGBB colour (any words after it are notes)
//
// With --check nothing is written: the files in OUTPUT_FOLDER are compared,
// pixel by pixel, with what would be written, and any difference fails.
//
//   velin-make-opening data/art/opening.txt data/Opening
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <cstdio>

namespace {

constexpr int kPieces = 5;

struct OpeningArt {
    QString prefix;
    int scale = 1;
    QHash<QChar, QRgb> colours;
    QStringList rows;
};

void Complain(const QString& message)
{
    std::fprintf(stderr, "velin-make-opening: %s\n", qPrintable(message));
}

bool Fail(const QString& message)
{
    Complain(message);
    return false;
}

bool ReadArt(const QString& path, OpeningArt& art)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1").arg(path));
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    qsizetype i = 0;
    for (; i < lines.size() && !lines[i].isEmpty(); ++i) {
        const QString key = lines[i].section(u':', 0, 0).trimmed();
        const QStringList words = lines[i].section(u':', 1).split(u' ', Qt::SkipEmptyParts);
        bool ok = !words.isEmpty();
        if (key == QStringLiteral("prefix") && ok) {
            art.prefix = words.first();
        } else if (key == QStringLiteral("scale") && ok) {
            art.scale = words.first().toInt(&ok);
            ok = ok && art.scale >= 1 && art.scale <= 8;
        } else if (key == QStringLiteral("colour") && words.size() >= 2 && words[0].size() == 1) {
            const uint rgb = words[1].toUInt(&ok, 16);
            ok = ok && words[1].size() == 6;
            art.colours.insert(words[0].front(), qRgb(qRed(rgb), qGreen(rgb), qBlue(rgb)));
        } else {
            ok = false;
        }
        if (!ok)
            return Fail(
                QStringLiteral("%1 line %2: expected prefix:, scale: or colour: C RRGGBB").arg(path).arg(i + 1));
    }
    for (++i; i < lines.size(); ++i)
        if (!lines[i].isEmpty())
            art.rows << lines[i];
    if (art.prefix.isEmpty())
        return Fail(QStringLiteral("%1: no prefix").arg(path));
    const qsizetype side = art.rows.size();
    if (side == 0 || side % kPieces != 0)
        return Fail(QStringLiteral("%1: the picture needs a multiple of %2 rows").arg(path).arg(kPieces));
    for (qsizetype r = 0; r < side; ++r) {
        if (art.rows[r].size() != side)
            return Fail(QStringLiteral("%1: row %2 is not %3 pixels long").arg(path).arg(r + 1).arg(side));
        for (QChar ch : art.rows[r])
            if (!art.colours.contains(ch))
                return Fail(QStringLiteral("%1: row %2 uses '%3', which has no colour").arg(path).arg(r + 1).arg(ch));
    }
    return true;
}

QImage Paint(const OpeningArt& art)
{
    const int side = static_cast<int>(art.rows.size());
    QImage image(side * art.scale, side * art.scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, art.colours.value(art.rows[y / art.scale][x / art.scale]));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool check = args.removeAll(QStringLiteral("--check")) > 0;
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: velin-make-opening ART_FILE OUTPUT_FOLDER [--check]\n");
        return 2;
    }
    OpeningArt art;
    if (!ReadArt(args.at(1), art))
        return 1;
    const QDir out(args.at(2));
    if (!check && !QDir().mkpath(out.path())) {
        Complain(QStringLiteral("cannot create %1").arg(out.path()));
        return 1;
    }

    const QImage whole = Paint(art);
    const int piece = whole.width() / kPieces;
    QList<QPair<QString, QImage>> images;
    for (int n = 0; n < kPieces * kPieces; ++n)
        images.append({art.prefix + QStringLiteral("%1.png").arg(n, 2, 10, QLatin1Char('0')),
                       whole.copy((n % kPieces) * piece, (n / kPieces) * piece, piece, piece)});
    images.append({art.prefix + QStringLiteral(".png"), whole});

    int failures = 0;
    for (const auto& [name, image] : images) {
        const QString path = out.filePath(name);
        if (check) {
            const QImage stored(path);
            if (stored.isNull() || stored.convertToFormat(QImage::Format_RGB32) != image) {
                Complain(QStringLiteral("%1 differs from the art").arg(path));
                ++failures;
            }
        } else if (!image.save(path, "PNG")) {
            Complain(QStringLiteral("cannot write %1").arg(path));
            ++failures;
        }
    }
    if (failures == 0 && !check)
        std::printf("%lld pictures written to %s\n", static_cast<long long>(images.size()), qPrintable(out.path()));
    return failures == 0 ? 0 : 1;
}
