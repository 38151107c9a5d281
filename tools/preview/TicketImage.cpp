#include "TicketImage.h"

#include <QFont>
#include <QPainter>

namespace preview {

QImage renderTicket(const std::vector<PrintedLine>& lines)
{
    using namespace geometry;
    // Beyond this the picture is no use and the allocation a risk.
    constexpr std::size_t maxLines = 5000;
    if (lines.size() > maxLines)
        return {};

    QImage image(paperWidth, paperHeight(static_cast<int>(lines.size())),
                 QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(paperColour);

    QPainter painter(&image);
    // A Song face, as the printer's own Chinese font; its Latin letters are
    // half-width, as the printer's 12x24 font.
    QFont font;
    font.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("SimSun"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(characterHeight - 2);
    painter.setFont(font);
    painter.setPen(inkColour);

    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int top = lineTop(static_cast<int>(n));
        for (const Cell& cell : lines[n]) {
            const QRect box(left + cell.column * columnWidth, top, cell.width * columnWidth,
                            characterHeight);
            // A glyph wider or taller than its cells stays in them, as on paper.
            painter.setClipRect(box);
            painter.drawText(box, Qt::AlignCenter, cell.text);
        }
    }
    painter.end();
    return image;
}

} // namespace preview
