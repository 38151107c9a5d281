// The POSIX port on working objects at the device path: a regular file and a
// FIFO. The ways a device fails are in fault_matrix_test.cpp.
#include "posix_fifo.h"
#include "print_error.h"
#include "same_bytes.h"
#include "ticket_writer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Body = std::vector<std::string>;
using namespace std::chrono_literals;

const Body cardBody = expectedCardBody("1234567890", "pw");

class PosixPort : public testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/velmora-port-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { fs::remove_all(dir_); }

    static printing::PrinterSettings at(const fs::path& device)
    {
        return printing::PrinterSettings{device.string(), 10s};
    }

    fs::path dir_;
};

TEST_F(PosixPort, RegularFileIsTruncatedAndGetsTheWholeTicket)
{
    const auto file = dir_ / "ticket.bin";
    std::ofstream(file) << std::string(1000, 'z');
    ASSERT_NO_THROW(printing::printTicket(at(file), cardBody));
    EXPECT_TRUE(sameBytes(readFile(file), expectedTicket(cardBody)));
}

TEST_F(PosixPort, FifoGetsTheWholeTicketInOrder)
{
    const auto path = dir_ / "fifo";
    Fifo fifo(path);
    ASSERT_TRUE(fifo.ready());
    const Body body{std::string(20000, 'a'), "", std::string(300, 'b')};
    fifo.startReading();
    EXPECT_NO_THROW(printing::printTicket(at(path), body));
    EXPECT_TRUE(sameBytes(fifo.received(), expectedTicket(body)));
}

} // namespace
