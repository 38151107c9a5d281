// velmora-card-ticket OUT NUMBER PASSWORD: writes the card ticket the window
// would print for these fields into the file OUT.
#include "Utf16.h"
#include "card_ticket.h"
#include "code_page.h"
#include "printer_port.h"
#include "ticket_writer.h"

#include <QString>

#include <cstdio>
#include <exception>
#include <fstream>

namespace {

std::string ticketBytes(const char* argument)
{
    return printing::toTicketCodePage(utf16(QString::fromLocal8Bit(argument)));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: velmora-card-ticket OUT NUMBER PASSWORD\n");
        return 2;
    }
    const auto body = printing::card::ticketBody(ticketBytes(argv[2]), ticketBytes(argv[3]));
    if (!body) {
        std::fprintf(stderr, "velmora-card-ticket: the card is not filled in\n");
        return 1;
    }
    // The port writes only to a path that exists, as to a device.
    std::ofstream(argv[1], std::ios::app);
    try {
        printing::printTicket(printing::PrinterSettings{argv[1]}, *body);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmora-card-ticket: %s\n", e.what());
        return 1;
    }
    return 0;
}
