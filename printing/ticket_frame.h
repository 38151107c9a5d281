#pragma once

#include <string_view>

// The fixed rows around every ticket, as bytes in code page 936.
// Rows other than the initialisation command are sent followed by CR LF.
namespace printing::frame {

inline constexpr std::string_view lineEnd = "\r\n";

// ESC @: initialise the printer. Sent alone, without a line end.
inline constexpr std::string_view initialise = "\x1b\x40";

// "-------程序设计=Kelvarin=-------", 32 bytes: the ticket width.
inline constexpr std::string_view header =
    "-------\xb3\xcc\xd0\xf2\xc9\xe8\xbc\xc6=Kelvarin=-------";

inline constexpr std::string_view separator = "================================";

inline constexpr std::string_view contactAddress = "kelv@example.com";

// "----e-Mail=kelv@example.com-----", 32 bytes with a 16-byte address.
inline constexpr std::string_view contact = "----e-Mail=kelv@example.com-----";

// Two stars (☆, A1 EE), the second line shifted six columns to the right.
inline constexpr std::string_view starsFirst =
    "      \xa1\xee          \xa1\xee";
inline constexpr std::string_view starsSecond =
    "            \xa1\xee          \xa1\xee";

inline constexpr std::string_view formFeed = "\x0c";

} // namespace printing::frame
