// Turns the program's 32 x 32 icon into the files a desktop wants: PNGs at each size asked for,
// every pixel kept sharp at whole multiples of 32 and smoothed at the sizes between, and a
// scalable SVG of the same pixels. The files are kept in the source tree, so that a build never
// has to run a program it has just built; run the export_icons target after changing the icon.
//
// icon_export ICON.xpm DIRECTORY SIZE...
#include <QFile>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {

bool WriteSvg(const QImage &icon, const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << icon.width() << "\" height=\""
        << icon.height() << "\" viewBox=\"0 0 " << icon.width() << ' ' << icon.height()
        << "\" shape-rendering=\"crispEdges\">\n";
    // One rectangle for each run of same-coloured pixels in a row.
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width();) {
            const QRgb colour = icon.pixel(x, y);
            int end = x + 1;
            while (end < icon.width() && icon.pixel(end, y) == colour)
                ++end;
            if (qAlpha(colour) != 0)
                out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
                    << "\" height=\"1\" fill=\"" << QColor(colour).name() << "\"/>\n";
            x = end;
        }
    }
    out << "</svg>\n";
    return out.status() == QTextStream::Ok;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: icon_export ICON.xpm DIRECTORY SIZE...\n");
        return 2;
    }
    const QImage icon =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    if (icon.isNull()) {
        std::fprintf(stderr, "icon_export: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString directory = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        const Qt::TransformationMode mode =
            size % icon.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, mode);
        if (!scaled.save(QStringLiteral("%1/%2.png").arg(directory).arg(size)))
            return 1;
    }
    return WriteSvg(icon, directory + QStringLiteral("/scalable.svg")) ? 0 : 1;
}
