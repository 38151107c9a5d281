#include "note_ticket.h"

#include "code_page.h"

namespace printing::note {

std::optional<std::vector<std::string>> ticketBody(std::span<const std::u16string_view> lines)
{
    if (lines.empty() || (lines.size() == 1 && lines.front().empty()))
        return std::nullopt;
    // A field's last line is empty only after a final line break.
    if (lines.back().empty())
        lines = lines.first(lines.size() - 1);
    std::vector<std::string> body;
    body.reserve(lines.size());
    for (const std::u16string_view line : lines)
        body.push_back(toTicketCodePage(line));
    return body;
}

} // namespace printing::note
