// The POSIX port on real objects at the device path: files, directories,
// /dev/full and FIFOs.
#include "print_error.h"
#include "ticket_bytes.h"
#include "ticket_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Body = std::vector<std::string>;
using namespace std::chrono_literals;

const Body cardBody{"\xbf\xa8\xba\xc5:", "1234567890", "\xc3\xdc\xc2\xeb:", "pw"};

class PosixPort : public testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/velmora-port-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { fs::remove_all(dir_); }

    printing::PrinterSettings at(const fs::path& device, std::chrono::milliseconds stall = 2s)
    {
        return printing::PrinterSettings{device.string(), stall};
    }

    // Prints and returns the system error of the failure, or 0.
    int print(const printing::PrinterSettings& s, const Body& body)
    {
        try {
            printing::printTicket(s, body);
            return 0;
        } catch (const printing::PrintError& e) {
            return e.systemError() ? e.systemError() : -1;
        }
    }

    fs::path dir_;
};

// A FIFO with its reading end open (non-blocking open, then blocking reads),
// its buffer shrunk to one page so that a long ticket must wait for the reader.
struct Fifo {
    explicit Fifo(const fs::path& path)
    {
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        readEnd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
        EXPECT_GE(readEnd, 0);
        ::fcntl(readEnd, F_SETFL, 0);
        ::fcntl(readEnd, F_SETPIPE_SZ, 4096);
    }
    ~Fifo() { closeReader(); }

    void closeReader()
    {
        if (readEnd >= 0)
            ::close(readEnd);
        readEnd = -1;
    }

    // Reads until the writer closes, or until limit bytes, then closes.
    std::thread readInto(std::string& out, std::size_t limit = std::string::npos)
    {
        return std::thread([this, &out, limit] {
            char buf[1024];
            while (out.size() < limit) {
                // Until a writer has come, poll() waits for data; read()
                // would report an end at once.
                pollfd p{readEnd, POLLIN, 0};
                if (::poll(&p, 1, 10000) <= 0)
                    break;
                const std::size_t want = std::min(sizeof buf, limit - out.size());
                const ssize_t n = ::read(readEnd, buf, want);
                if (n <= 0)
                    break;
                out.append(buf, static_cast<std::size_t>(n));
            }
            closeReader();
        });
    }

    int readEnd = -1;
};

TEST_F(PosixPort, RegularFileIsTruncatedAndGetsTheWholeTicket)
{
    const auto file = dir_ / "ticket.bin";
    std::ofstream(file) << std::string(1000, 'z');
    ASSERT_EQ(print(at(file), cardBody), 0);
    EXPECT_TRUE(sameBytes(readFile(file), expectedTicket(cardBody)));
}

TEST_F(PosixPort, MissingDeviceFailsAndIsNotCreated)
{
    const auto missing = dir_ / "lp0";
    EXPECT_EQ(print(at(missing), cardBody), ENOENT);
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(PosixPort, DirectoryIsRefused)
{
    EXPECT_EQ(print(at(dir_), cardBody), EISDIR);
}

TEST_F(PosixPort, DeviceThatRefusesEveryWriteFails)
{
    EXPECT_EQ(print(at("/dev/full"), cardBody), ENOSPC);
}

TEST_F(PosixPort, FifoWithNoReaderFailsAtOnce)
{
    const auto fifo = dir_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(print(at(fifo), cardBody), ENXIO);
}

TEST_F(PosixPort, FifoGetsTheWholeTicketInOrder)
{
    const auto path = dir_ / "fifo";
    Fifo fifo(path);
    const Body body{std::string(20000, 'a'), "", std::string(300, 'b')};
    std::string got;
    auto reader = fifo.readInto(got);
    EXPECT_EQ(print(at(path), body), 0);
    reader.join();
    EXPECT_TRUE(sameBytes(got, expectedTicket(body)));
}

TEST_F(PosixPort, ReaderClosingMidTicketFailsAndTheNextTicketIsWhole)
{
    const auto path = dir_ / "fifo";
    const Body longBody{std::string(30000, 'n')};
    {
        Fifo fifo(path);
        std::string got;
        auto reader = fifo.readInto(got, 100);
        EXPECT_EQ(print(at(path), longBody), EPIPE);
        reader.join();
        EXPECT_TRUE(sameBytes(got, expectedTicket(longBody).substr(0, 100)));
    }
    fs::remove(path);
    Fifo fifo(path);
    std::string got;
    auto reader = fifo.readInto(got);
    EXPECT_EQ(print(at(path), cardBody), 0);
    reader.join();
    EXPECT_TRUE(sameBytes(got, expectedTicket(cardBody)));
}

TEST_F(PosixPort, StalledDeviceFailsAfterTheStallTimeout)
{
    const auto path = dir_ / "fifo";
    Fifo fifo(path); // open, never read
    EXPECT_EQ(print(at(path, 150ms), Body{std::string(30000, 's')}), ETIMEDOUT);
}

} // namespace
