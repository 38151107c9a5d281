// One card ticket printed to /dev/null through the printing core (checks,
// conversion, frame, handovers, open and close), beside its floor: the same
// handovers as pre-built chunks written with raw write() calls between an
// open() and a close() of the same device.
//
//   bench_ticket [benchmark flags]   the two timings
//   bench_ticket --one-ticket        prints one ticket and says how many
//                                    handovers it made (for strace -e write)
#include "card_ticket.h"
#include "code_page.h"
#include "printer_port.h"
#include "ticket_writer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr const char* device = "/dev/null";

// Short lines: one handover each.
const std::u16string number = u"1234567890123456";
const std::u16string password = u"8765432109876543";

// Keeps each handover's bytes: the floor's chunks.
class ChunkPort final : public printing::PrinterPort {
public:
    std::vector<std::string> chunks;
    void write(const char* data, std::size_t size) override { chunks.emplace_back(data, size); }
    void flush() override {}
    void close() override {}
};

// Counts handovers on their way to the real port.
class CountingPort final : public printing::PrinterPort {
public:
    explicit CountingPort(printing::PrinterPort& port) : port_(port) {}
    int writes = 0;
    void write(const char* data, std::size_t size) override
    {
        ++writes;
        port_.write(data, size);
    }
    void flush() override { port_.flush(); }
    void close() override { port_.close(); }

private:
    printing::PrinterPort& port_;
};

std::vector<std::string> cardBody()
{
    auto body = printing::card::ticketBody(printing::toTicketCodePage(number),
                                           printing::toTicketCodePage(password));
    if (!body)
        throw std::logic_error("card fields not filled in");
    return *body;
}

void Ours(benchmark::State& state)
{
    const printing::PrinterSettings settings{device};
    for (auto _ : state) {
        const auto body = printing::card::ticketBody(printing::toTicketCodePage(number),
                                                     printing::toTicketCodePage(password));
        if (body)
            printing::printTicket(settings, *body);
    }
}

void Floor(benchmark::State& state)
{
    ChunkPort chunkPort;
    printing::writeTicket(chunkPort, cardBody());
    const std::vector<std::string> chunks = std::move(chunkPort.chunks);
    for (auto _ : state) {
        const int fd = ::open(device, O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            state.SkipWithError("open /dev/null failed");
            break;
        }
        for (const std::string& chunk : chunks)
            benchmark::DoNotOptimize(::write(fd, chunk.data(), chunk.size()));
        ::close(fd);
    }
}

// Ours and the floor alternate, so both see the same machine.
BENCHMARK(Ours)->Name("card_ticket/ours");
BENCHMARK(Floor)->Name("card_ticket/floor");

int oneTicket()
{
    const auto body = cardBody();
    const auto port = printing::openPrinterPort(printing::PrinterSettings{device});
    CountingPort counting(*port);
    printing::writeTicket(counting, body);
    counting.flush();
    counting.close();
    std::printf("handovers %d\n", counting.writes);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--one-ticket") == 0)
        return oneTicket();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
