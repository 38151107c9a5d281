#include "card_ticket.h"

namespace printing::card {

std::optional<std::vector<std::string>> ticketBody(std::string_view number,
                                                   std::string_view password)
{
    if (number == numberHint || number.empty() || password == passwordHint)
        return std::nullopt;
    return std::vector<std::string>{std::string(numberLabel), std::string(number),
                                    std::string(passwordLabel), std::string(password)};
}

} // namespace printing::card
