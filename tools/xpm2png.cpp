// velmora-xpm2png IN.xpm OUT.png: the build's icon converter.
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora-xpm2png IN.xpm OUT.png\n");
        return 2;
    }
    QImage image;
    if (!image.load(QString::fromLocal8Bit(argv[1]), "XPM")) {
        std::fprintf(stderr, "velmora-xpm2png: cannot read %s\n", argv[1]);
        return 1;
    }
    // Keep the transparent background.
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "velmora-xpm2png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
