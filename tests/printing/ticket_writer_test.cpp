#include "memory_port.h"
#include "print_error.h"
#include "same_bytes.h"
#include "ticket_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Body = std::vector<std::string>;

TEST(TicketWriter, WritesTheWholeCardTicketByteForByte)
{
    MemoryPort port;
    const Body body = expectedCardBody("1234567890", "pw 99");
    printing::writeTicket(port, body);

    const std::string golden =
        "\x1b\x40"
        "-------\xb3\xcc\xd0\xf2\xc9\xe8\xbc\xc6=Kelvarin=-------\r\n"
        "================================\r\n"
        "\xbf\xa8\xba\xc5:\r\n"
        "1234567890\r\n"
        "\xc3\xdc\xc2\xeb:\r\n"
        "pw 99\r\n"
        "================================\r\n"
        "----e-Mail=kelv@example.com-----\r\n"
        "      \xa1\xee          \xa1\xee\r\n"
        "            \xa1\xee          \xa1\xee\r\n"
        "\x0c\r\n";
    EXPECT_EQ(port.bytes(), golden);
}

TEST(TicketWriter, HandsOverEachRowAsSoonAsItIsComplete)
{
    MemoryPort port;
    printing::writeTicket(port, Body{"a", "", "b"});
    const Body expected{"\x1b\x40",
                        "-------\xb3\xcc\xd0\xf2\xc9\xe8\xbc\xc6=Kelvarin=-------\r\n",
                        "================================\r\n",
                        "a\r\n",
                        "\r\n",
                        "b\r\n",
                        "================================\r\n",
                        "----e-Mail=kelv@example.com-----\r\n",
                        "      \xa1\xee          \xa1\xee\r\n",
                        "            \xa1\xee          \xa1\xee\r\n",
                        "\x0c\r\n"};
    EXPECT_EQ(port.handovers, expected);
}

TEST(TicketWriter, EmptyBodyGivesTheFrameAlone)
{
    MemoryPort port;
    printing::writeTicket(port, Body{});
    EXPECT_EQ(port.bytes(), expectedOpening + expectedClosing);
    EXPECT_EQ(port.handovers.size(), 8u);
}

struct LongLineCase {
    const char* name;
    std::size_t length;
    std::vector<std::size_t> handovers;
};

void PrintTo(const LongLineCase& c, std::ostream* os)
{
    *os << c.name;
}

class LongBodyLine : public testing::TestWithParam<LongLineCase> {};

TEST_P(LongBodyLine, GoesOutIn128BytePiecesAndItsRemainder)
{
    const auto& c = GetParam();
    const std::string line(c.length, 'x');
    MemoryPort port;
    printing::writeTicket(port, Body{line});

    // Handovers 3.. are the body row's; the closing rows follow it.
    ASSERT_GE(port.handovers.size(), 3 + c.handovers.size());
    std::vector<std::size_t> sizes;
    for (std::size_t i = 3; i < 3 + c.handovers.size(); ++i)
        sizes.push_back(port.handovers[i].size());
    EXPECT_EQ(sizes, c.handovers);
    EXPECT_EQ(port.handovers[3 + c.handovers.size()], "================================\r\n");
    EXPECT_TRUE(sameBytes(port.bytes(), expectedTicket(Body{line})));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LongBodyLine,
    testing::Values(LongLineCase{"bytes300", 300, {128, 128, 46}},
                    LongLineCase{"bytes127", 127, {128, 1}},
                    LongLineCase{"bytes126", 126, {128}},
                    LongLineCase{"bytes32", 32, {34}}),
    [](const testing::TestParamInfo<LongLineCase>& info) { return info.param.name; });

TEST(TicketWriter, FailureAfterTheHeaderSendsNothingMore)
{
    MemoryPort port;
    port.failAtWrite = 2; // the first separator
    EXPECT_THROW(printing::writeTicket(port, Body{"1234"}), printing::PrintError);
    EXPECT_EQ(port.bytes(),
              "\x1b\x40-------\xb3\xcc\xd0\xf2\xc9\xe8\xbc\xc6=Kelvarin=-------\r\n");

    MemoryPort second;
    printing::writeTicket(second, Body{"1234"});
    EXPECT_EQ(second.bytes(), expectedTicket(Body{"1234"}));
}

} // namespace
