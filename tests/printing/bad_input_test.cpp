// Hostile user text through the real paths: conversion to code page 936, the
// card and note bodies, and the ticket writer. Whatever the text, it stays
// inside its own line of the ticket and never carries a printer command.
#include "card_ticket.h"
#include "code_page.h"
#include "memory_port.h"
#include "note_ticket.h"
#include "same_bytes.h"
#include "ticket_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Body = std::vector<std::string>;

// The body lines of a ticket, or an empty list and a failure when the frame
// around them is not intact.
testing::AssertionResult frameAround(const std::string& ticket, Body& lines)
{
    lines.clear();
    if (ticket.size() < expectedOpening.size() + expectedClosing.size() ||
        ticket.compare(0, expectedOpening.size(), expectedOpening) != 0 ||
        ticket.compare(ticket.size() - expectedClosing.size(), std::string::npos,
                       expectedClosing) != 0)
        return testing::AssertionFailure() << "the frame is not intact";
    std::string body = ticket.substr(expectedOpening.size(),
                                     ticket.size() - expectedOpening.size() - expectedClosing.size());
    std::size_t at = 0;
    while (at < body.size()) {
        const std::size_t end = body.find("\r\n", at);
        if (end == std::string::npos)
            return testing::AssertionFailure() << "the body does not end in a line end";
        lines.push_back(body.substr(at, end - at));
        at = end + 2;
    }
    return testing::AssertionSuccess();
}

// No byte of a body line is a control other than TAB, nor DEL.
testing::AssertionResult printableOnly(const Body& lines)
{
    for (std::size_t l = 0; l < lines.size(); ++l)
        for (std::size_t i = 0; i < lines[l].size(); ++i) {
            const auto b = static_cast<unsigned char>(lines[l][i]);
            if ((b < 0x20 && b != '\t') || b == 0x7F)
                return testing::AssertionFailure()
                       << "byte " << int(b) << " in body line " << l << " at " << i;
        }
    return testing::AssertionSuccess();
}

// Writes the body into memory and checks the whole ticket against the
// expected body lines.
void expectTicket(const Body& body, const Body& expectedBody)
{
    MemoryPort port;
    printing::writeTicket(port, body);
    const std::string ticket = port.bytes();
    EXPECT_TRUE(sameBytes(ticket, expectedTicket(expectedBody)));
    Body lines;
    ASSERT_TRUE(frameAround(ticket, lines));
    EXPECT_EQ(lines, expectedBody);
    EXPECT_TRUE(printableOnly(lines));
    for (const auto& h : port.handovers)
        EXPECT_LE(h.size(), 128u);
}

struct BadInput {
    std::string name;
    std::u16string text;
    std::string bytes; // the text in the ticket code page
};

std::ostream& operator<<(std::ostream& os, const BadInput& c)
{
    return os << c.name;
}

// The same text, repeated to about n UTF-16 units, and its bytes.
BadInput repeated(std::string name, const std::u16string& unit, const std::string& bytes,
                  std::size_t n)
{
    BadInput c{std::move(name), {}, {}};
    c.text.reserve(n + unit.size());
    while (c.text.size() < n) {
        c.text += unit;
        c.bytes += bytes;
    }
    return c;
}

std::vector<BadInput> badInputs()
{
    std::vector<BadInput> cases;
    // Every C0 control, between two digits; only TAB survives.
    for (char16_t c = 0; c < 0x20; ++c) {
        char name[16];
        std::snprintf(name, sizeof name, "control%02X", unsigned(c));
        cases.push_back({name, std::u16string{u'1', c, u'2'}, c == u'\t' ? "1\t2" : "1?2"});
    }
    const char16_t high = 0xD83D, low = 0xDE00;
    const std::vector<BadInput> more{
        {"del", u"1\x7f" "2", "1?2"},
        {"nulOnly", std::u16string(1, u'\0'), "?"},
        {"tabOnly", u"\t", "\t"},
        {"lineBreaks", u"a\r\nb\rc\nd", "a??b?c?d"},
        {"escPosCommands", u"\x1b@\x1bp\x00\x19\xfa\x1dV\x00\x10\x04\x01"s, "?@?p??\xa8\xb2?V????"},
        {"loneHighSurrogateAtEnd", std::u16string{u'a', high}, "a?"},
        {"loneLowSurrogateAtStart", std::u16string{low, u'a'}, "?a"},
        {"twoHighSurrogates", std::u16string{high, high, u'x'}, "??x"},
        {"reversedPair", std::u16string{low, high}, "??"},
        {"surrogatePairEmoji", u"1\U0001F600" "2", "1?2"},
        {"surrogatePairCjkExtensionB", u"\U00020000", "?"},
        {"byteOrderMark", u"\uFEFF" "1\uFEFF", "?1?"},
        {"privateUseFirst", u"\uE000", "\xaa\xa1"},
        {"privateUseLastOfFirstBlock", u"\uE233", "\xaf\xfe"},
        {"privateUseFirstOfSecondBlock", u"\uE234", "\xf8\xa1"},
        {"privateUseBeyondTheTable", u"\uF8FF", "?"},
        {"euro", u"\u20AC9", "\x80" "9"},
        {"whiteStar", u"\u2606", "\xa1\xee"},
        {"chineseAndFullWidth", u"卡号：１", "\xbf\xa8\xba\xc5\xa3\xba\xa3\xb1"},
    };
    cases.insert(cases.end(), more.begin(), more.end());
    cases.push_back(repeated("oneMiBOfMixedText", u"0123456789卡\x1b\t",
                             "0123456789\xbf\xa8?\t", 1 << 20));
    return cases;
}

class BadInputText : public testing::TestWithParam<BadInput> {};

// The text converted by the rules, then as card number, as password and as a
// note line: each time the frame is intact and the text alone on its line.
TEST_P(BadInputText, ConvertsByTheRulesAndStaysOnItsLine)
{
    const auto& c = GetParam();
    const std::string bytes = printing::toTicketCodePage(c.text);
    EXPECT_EQ(bytes, c.bytes);
    {
        SCOPED_TRACE("as card number");
        const auto body = printing::card::ticketBody(bytes, "pw");
        ASSERT_TRUE(body.has_value()) << "a filled-in card was not printed";
        expectTicket(*body, expectedCardBody(c.bytes, "pw"));
    }
    {
        SCOPED_TRACE("as password");
        const auto body = printing::card::ticketBody("1", bytes);
        ASSERT_TRUE(body.has_value()) << "a filled-in card was not printed";
        expectTicket(*body, expectedCardBody("1", c.bytes));
    }
    {
        SCOPED_TRACE("as note line");
        const std::u16string_view lines[] = {u"before", c.text, u"after"};
        const auto body = printing::note::ticketBody(lines);
        ASSERT_TRUE(body.has_value());
        expectTicket(*body, {"before", c.bytes, "after"});
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BadInputText, testing::ValuesIn(badInputs()),
                         [](const testing::TestParamInfo<BadInput>& info) {
                             return info.param.name;
                         });

// The hint texts as the window holds them (UTF-16), through the conversion:
// only the exact hint stops the ticket; one character more or less prints.
struct HintCase {
    const char* name;
    std::u16string number;
    std::u16string password;
    bool prints;
};

std::ostream& operator<<(std::ostream& os, const HintCase& c)
{
    return os << c.name;
}

const std::u16string numberHint = u"请把充值卡［卡号］粘贴在这里...";
const std::u16string passwordHint = u"请把充值卡［密码］粘贴在这里...";

class HintTexts : public testing::TestWithParam<HintCase> {};

TEST_P(HintTexts, StopOnlyWhenExact)
{
    const auto& c = GetParam();
    const std::string number = printing::toTicketCodePage(c.number);
    const std::string password = printing::toTicketCodePage(c.password);
    const auto body = printing::card::ticketBody(number, password);
    ASSERT_EQ(body.has_value(), c.prints);
    if (c.prints)
        expectTicket(*body, expectedCardBody(number, password));
}

INSTANTIATE_TEST_SUITE_P(
    Table, HintTexts,
    testing::Values(
        HintCase{"numberHint", numberHint, u"pw", false},
        HintCase{"passwordHint", u"1", passwordHint, false},
        HintCase{"numberHintOneMore", numberHint + u".", u"pw", true},
        HintCase{"numberHintOneLess", numberHint.substr(0, numberHint.size() - 1), u"pw", true},
        HintCase{"numberHintFirstCharacterLess", numberHint.substr(1), u"pw", true},
        HintCase{"numberHintWithBom", u"\uFEFF" + numberHint, u"pw", true},
        HintCase{"passwordHintOneMore", u"1", passwordHint + u" ", true},
        HintCase{"passwordHintOneLess", u"1", passwordHint.substr(0, passwordHint.size() - 1),
                 true},
        HintCase{"passwordHintWithControl", u"1", passwordHint + u"\x1b", true}),
    [](const testing::TestParamInfo<HintCase>& info) { return info.param.name; });

// One line of 1 MiB in the note field: one body line, whole, nothing else.
TEST(BadInputNote, OneMiBOnOneLineIsOneBodyLine)
{
    const std::u16string line(1 << 20, u'便');
    const std::u16string_view lines[] = {line};
    const auto body = printing::note::ticketBody(lines);
    ASSERT_TRUE(body.has_value());
    std::string bytes;
    bytes.reserve(2u << 20);
    for (std::size_t i = 0; i < line.size(); ++i)
        bytes += "\xb1\xe3";
    expectTicket(*body, {bytes});
}

} // namespace
