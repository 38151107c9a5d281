// The Win32 port on real objects behind "LPT1", run under Wine, where LPT1
// is the symbolic link $WINEPREFIX/dosdevices/lpt1. The runner
// (wine_lpt1.sh) points the link at one object per run and names it in the
// environment: VELMORA_TEST_LPT1 says what the link points at,
// VELMORA_TEST_LPT1_TARGET where that is, as a Windows path. A suite whose
// object is not set up skips.
#include "print_error.h"
#include "same_bytes.h"
#include "ticket_writer.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Body = std::vector<std::string>;
using namespace std::chrono_literals;

const Body cardBody = expectedCardBody("1234567890", "pw");

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Prints to LPT1 and returns the Win32 error of the failure, or 0.
int printToLpt1(const Body& body, std::chrono::milliseconds stall = 2s)
{
    try {
        printing::printTicket(printing::PrinterSettings{"LPT1", stall}, body);
        return 0;
    } catch (const printing::PrintError& e) {
        return e.systemError() ? e.systemError() : -1;
    }
}

// A fixture per object LPT1 points at; T names it as the runner does.
template <const char* Object>
class Lpt1 : public testing::Test {
protected:
    void SetUp() override
    {
        if (env("VELMORA_TEST_LPT1") != Object)
            GTEST_SKIP() << "LPT1 does not point at a " << Object << " (run by wine_lpt1.sh)";
        target_ = env("VELMORA_TEST_LPT1_TARGET");
    }

    fs::path target_;
};

constexpr char file[] = "file";
constexpr char fifo[] = "fifo";
constexpr char full[] = "full";
constexpr char missing[] = "missing";
constexpr char dangling[] = "dangling";

using Lpt1ToFile = Lpt1<file>;
using Lpt1ToFifo = Lpt1<fifo>;
using Lpt1ToDevFull = Lpt1<full>;
using Lpt1Removed = Lpt1<missing>;
using Lpt1Dangling = Lpt1<dangling>;

TEST_F(Lpt1ToFile, FileIsTruncatedAndGetsTheWholeTicket)
{
    std::ofstream(target_, std::ios::binary) << std::string(1000, 'z');
    ASSERT_EQ(printToLpt1(cardBody), 0);
    EXPECT_TRUE(sameBytes(readFile(target_.string()), expectedTicket(cardBody)));

    const Body longBody{std::string(300, 'a'), "", std::string(127, 'b')};
    ASSERT_EQ(printToLpt1(longBody), 0);
    EXPECT_TRUE(sameBytes(readFile(target_.string()), expectedTicket(longBody)));
}

// Wine opens the FIFO for reading and writing, so the port never meets a
// missing or vanished reader there: an unread FIFO is a stalled device. The
// test holds the reading end open, so what the port wrote stays in the FIFO
// after the port is closed, and reads it back afterwards.
class FifoReader {
public:
    explicit FifoReader(const fs::path& path)
        : handle_(CreateFileW(path.wstring().c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr))
    {
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << GetLastError();
    }
    ~FifoReader()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }

    // Everything written since the last call; call it with no writer open.
    std::string takeAll()
    {
        std::string all;
        char buf[4096];
        DWORD n = 0;
        while (ReadFile(handle_, buf, sizeof buf, &n, nullptr) && n > 0)
            all.append(buf, n);
        return all;
    }

private:
    HANDLE handle_;
};

TEST_F(Lpt1ToFifo, FifoGetsTheWholeTicketInOrder)
{
    FifoReader reader(target_);
    // Below the FIFO's capacity, so the ticket fits without a reader at work.
    const Body body{std::string(20000, 'a'), "", std::string(300, 'b')};
    ASSERT_EQ(printToLpt1(body), 0);
    EXPECT_TRUE(sameBytes(reader.takeAll(), expectedTicket(body)));
}

TEST_F(Lpt1ToFifo, StalledReaderFailsTheTicketAndTheNextTicketIsWhole)
{
    FifoReader reader(target_);
    // Far beyond the FIFO's capacity: the device stops taking bytes mid-ticket.
    const Body longBody{std::string(200000, 'n')};
    EXPECT_EQ(printToLpt1(longBody, 150ms), ERROR_TIMEOUT);
    const std::string sent = reader.takeAll();
    const std::string whole = expectedTicket(longBody);
    EXPECT_GT(sent.size(), expectedOpening.size());
    EXPECT_LT(sent.size(), whole.size());
    EXPECT_TRUE(sameBytes(sent, whole.substr(0, sent.size())));

    ASSERT_EQ(printToLpt1(cardBody), 0);
    EXPECT_TRUE(sameBytes(reader.takeAll(), expectedTicket(cardBody)));
}

TEST_F(Lpt1ToDevFull, DeviceThatRefusesEveryWriteFails)
{
    EXPECT_EQ(printToLpt1(cardBody), ERROR_DISK_FULL);
}

TEST_F(Lpt1Removed, MissingDeviceFails)
{
    EXPECT_EQ(printToLpt1(cardBody), ERROR_FILE_NOT_FOUND);
}

TEST_F(Lpt1Dangling, LinkToNothingFailsAndNothingIsCreated)
{
    EXPECT_EQ(printToLpt1(cardBody), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(fs::exists(target_));
}

} // namespace
