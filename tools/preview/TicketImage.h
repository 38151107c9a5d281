#pragma once

#include "TicketLayout.h"

#include <QColor>
#include <QImage>

#include <vector>

namespace preview {

// The picture of a printed ticket at the printer's own resolution: 8 dots a
// millimetre, 58 mm paper with a 48 mm (384-dot) print line of 32 columns,
// 12 dots a column, 24-dot characters and lines 34 dots apart (ESC 2).
namespace geometry {
inline constexpr int paperWidth = 464;
inline constexpr int columnWidth = 12;
inline constexpr int left = (paperWidth - ticketColumns * columnWidth) / 2;
inline constexpr int characterHeight = 24;
inline constexpr int lineHeight = 34;
inline constexpr int topMargin = 24;
inline constexpr int bottomMargin = 24;

// Where line `line` (0-based) is printed.
inline constexpr int lineTop(int line)
{
    return topMargin + line * lineHeight;
}

inline constexpr int paperHeight(int lines)
{
    return topMargin + lines * lineHeight + bottomMargin;
}
} // namespace geometry

inline const QColor paperColour = Qt::white;
inline const QColor inkColour = Qt::black;

// Paints the lines on paper; each character is drawn inside its own cells,
// whatever the font. Needs a QGuiApplication (fonts). A null image when the
// ticket is too long for one picture.
QImage renderTicket(const std::vector<PrintedLine>& lines);

} // namespace preview
