#include "ticket_writer.h"

#include "ticket_channel.h"
#include "ticket_frame.h"

namespace printing {

void writeTicket(PrinterPort& port, std::span<const std::string> body)
{
    TicketChannel channel(port);
    channel.sendNow(frame::initialise);
    channel.writeRow(frame::header);
    channel.writeRow(frame::separator);
    for (const std::string& line : body)
        channel.writeRow(line);
    channel.writeRow(frame::separator);
    channel.writeRow(frame::contact);
    channel.writeRow(frame::starsFirst);
    channel.writeRow(frame::starsSecond);
    channel.writeRow(frame::formFeed);
}

void printTicket(const PrinterSettings& settings, std::span<const std::string> body)
{
    const auto port = openPrinterPort(settings);
    writeTicket(*port, body);
    port->flush();
    port->close();
}

} // namespace printing
