#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace printing::note {

// The body of a note ticket from the lines the note field shows, in order,
// as UTF-16: one body line per shown line, converted to code page 936,
// nothing trimmed or cut. The one empty line after a final line break is not
// a line of the note. An empty note (no line, or one empty line) gives
// nothing: there is no ticket to print.
std::optional<std::vector<std::string>> ticketBody(std::span<const std::u16string_view> lines);

} // namespace printing::note
