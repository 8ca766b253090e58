// talp-make-icons OUT: writes the icon set of the desktop entry into the folder OUT, drawn
// by the program's own icon code: the scalable org.talp.Talp.svg and the pixel icons
// org.talp.Talp-48.png and org.talp.Talp-256.png.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "shell/ui/app_icon.h"

namespace {

// The scalable icon is drawn at the size of the largest pixel icon; its view box makes it
// scale from there.
constexpr int kSvgSize = 256;

bool writeSvg(const QString& file)
{
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("TALP"));
    svg.setDescription(QStringLiteral("A pipe in the soil below the sky"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    talp::paintTalpIcon(painter, kSvgSize);
    return painter.end();
}

bool writePng(const QString& file, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    talp::paintTalpIcon(painter, size);
    painter.end();
    return image.save(file, "PNG");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: talp-make-icons OUT\n", stderr);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const bool written = writeSvg(out + QStringLiteral("org.talp.Talp.svg")) &&
                         writePng(out + QStringLiteral("org.talp.Talp-48.png"), 48) &&
                         writePng(out + QStringLiteral("org.talp.Talp-256.png"), 256);
    if (!written) std::fprintf(stderr, "talp-make-icons: cannot write into %s\n", argv[1]);
    return written ? 0 : 1;
}
