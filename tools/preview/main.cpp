// velmora-preview TICKET OUT.png: the picture of a ticket file as a 58 mm
// receipt printer prints it.
#include "TicketImage.h"
#include "TicketLayout.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Painting into an image needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: velmora-preview TICKET OUT.png\n");
        return 2;
    }
    QFile in(args[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "velmora-preview: cannot read %s: %s\n", qPrintable(args[1]),
                     qPrintable(in.errorString()));
        return 1;
    }
    const QByteArray bytes = in.readAll();
    const QImage image = preview::renderTicket(
        preview::layOutTicket(std::string_view(bytes.constData(), bytes.size())));
    if (image.isNull()) {
        std::fprintf(stderr, "velmora-preview: %s is too long to picture\n",
                     qPrintable(args[1]));
        return 1;
    }
    if (!image.save(args[2], "PNG")) {
        std::fprintf(stderr, "velmora-preview: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
