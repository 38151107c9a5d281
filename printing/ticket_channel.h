#pragma once

#include "printer_port.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace printing {

// The 128-byte output buffer between the ticket and the port. Bytes collect
// in the buffer; a full buffer is handed over as 128 bytes, and each row is
// handed over as soon as its line end is in the buffer, so the printer gets
// the ticket line by line. One port write per handover.
class TicketChannel {
public:
    static constexpr std::size_t bufferSize = 128;

    explicit TicketChannel(PrinterPort& port) : port_(port) {}

    // Bytes without a line end, handed over at once (the ESC @ command).
    void sendNow(std::string_view bytes);

    // One ticket row: its bytes, CR LF, then a handover.
    void writeRow(std::string_view bytes);

private:
    void put(std::string_view bytes);
    void handOver();

    PrinterPort& port_;
    std::array<char, bufferSize> buffer_{};
    std::size_t used_ = 0;
};

} // namespace printing
