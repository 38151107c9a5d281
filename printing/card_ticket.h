#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace printing::card {

// The initial texts of the card number and password fields, in code page
// 936. A field that still holds its hint text is not filled in.
inline constexpr std::string_view numberHint =
    "\xc7\xeb\xb0\xd1\xb3\xe4\xd6\xb5\xbf\xa8\xa3\xdb\xbf\xa8\xba\xc5\xa3\xdd"
    "\xd5\xb3\xcc\xf9\xd4\xda\xd5\xe2\xc0\xef...";
inline constexpr std::string_view passwordHint =
    "\xc7\xeb\xb0\xd1\xb3\xe4\xd6\xb5\xbf\xa8\xa3\xdb\xc3\xdc\xc2\xeb\xa3\xdd"
    "\xd5\xb3\xcc\xf9\xd4\xda\xd5\xe2\xc0\xef...";

// "卡号:" and "密码:", with ASCII colons.
inline constexpr std::string_view numberLabel = "\xbf\xa8\xba\xc5:";
inline constexpr std::string_view passwordLabel = "\xc3\xdc\xc2\xeb:";

// The body of a card ticket, or nothing when the fields are not filled in:
// the card number still its hint text or empty, or the password still its
// hint text. Comparisons are exact, nothing is trimmed; an empty password
// is printed as an empty line.
std::optional<std::vector<std::string>> ticketBody(std::string_view number,
                                                   std::string_view password);

} // namespace printing::card
