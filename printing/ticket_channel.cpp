#include "ticket_channel.h"

#include "ticket_frame.h"

#include <algorithm>
#include <cstring>

namespace printing {

void TicketChannel::sendNow(std::string_view bytes)
{
    put(bytes);
    handOver();
}

void TicketChannel::writeRow(std::string_view bytes)
{
    put(bytes);
    put(frame::lineEnd);
    handOver();
}

void TicketChannel::put(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t n = std::min(bytes.size(), bufferSize - used_);
        std::memcpy(buffer_.data() + used_, bytes.data(), n);
        used_ += n;
        bytes.remove_prefix(n);
        if (used_ == bufferSize)
            handOver();
    }
}

void TicketChannel::handOver()
{
    if (used_ == 0)
        return;
    // Reset first: after a failed write nothing of it is sent again.
    const std::size_t n = used_;
    used_ = 0;
    port_.write(buffer_.data(), n);
}

} // namespace printing
