// velin-make-icon PICTURE OUTPUT_FOLDER NAME
// Draws the desktop icon from the opening picture: the picture's background
// (the colour of its corner) made transparent, scaled to each of the usual
// icon sizes and written as OUTPUT_FOLDER/<size>x<size>/apps/NAME.png, the
// layout of the hicolor icon theme.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: velin-make-icon PICTURE OUTPUT_FOLDER NAME\n");
        return 2;
    }
    QImage picture(args.at(1));
    if (picture.isNull()) {
        std::fprintf(stderr, "velin-make-icon: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (line[x] == background)
                line[x] = qRgba(0, 0, 0, 0);
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        const QString path = folder + u'/' + args.at(3) + QStringLiteral(".png");
        const QImage icon = picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!QDir().mkpath(folder) || !icon.save(path)) {
            std::fprintf(stderr, "velin-make-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
