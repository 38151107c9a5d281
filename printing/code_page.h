#pragma once

#include <string>
#include <string_view>

namespace printing {

// Converts user text (UTF-16, as the window's fields hold it) to the ticket
// code page, 936 (GBK, Microsoft's table).
//  - Every character code page 936 has becomes its GBK bytes.
//  - A character it lacks becomes one '?', also when it is a surrogate pair;
//    a lone surrogate is one '?' too.
//  - C0 controls other than TAB, and DEL, become '?': user text is printed
//    as text and must never carry a printer command (ESC, GS, DLE ...).
std::string toTicketCodePage(std::u16string_view text);

// The control rule alone, applied in place to bytes already in code page 936.
// Safe on GBK text: no byte of a GBK pair is below 0x40 or equal to 0x7F.
void maskControlBytes(std::string& bytes) noexcept;

} // namespace printing
