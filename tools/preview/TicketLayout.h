#pragma once

#include <QString>

#include <string_view>
#include <vector>

namespace preview {

// A 58 mm receipt printer's line: 32 single-byte columns.
inline constexpr int ticketColumns = 32;
// Default ESC/POS tab stops: every eight columns.
inline constexpr int tabColumns = 8;

// One printed character: where it starts, how many columns it takes (1, or
// 2 for a double-byte character) and its text.
struct Cell {
    int column = 0;
    int width = 1;
    QString text;

    friend bool operator==(const Cell&, const Cell&) = default;
};

using PrintedLine = std::vector<Cell>;

// The lines a receipt printer prints from a ticket's bytes:
//  - text in code page 936: a byte below 0x80 (and 0x80, the euro sign)
//    takes one column, a lead byte with its trail byte takes two; a lead
//    byte without a valid trail, or bytes the code page lacks, print U+FFFD;
//  - LF prints the line, CR is ignored, so CR LF ends a line once;
//  - a line that is full wraps before the character that does not fit, so a
//    double-byte character never straddles two lines and a 32-column line
//    followed by CR LF does not leave an empty line;
//  - ESC @ resets the printer: the unprinted part of the line is dropped;
//    other ESC, GS and FS commands are skipped with their command byte;
//  - HT moves to the next tab stop; other control bytes print nothing;
//  - the form feed ends the ticket: a pending line is printed, the rest of
//    the bytes are not read.
std::vector<PrintedLine> layOutTicket(std::string_view bytes);

} // namespace preview
