#include "code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

struct ConversionCase {
    const char* name;
    std::u16string text;
    std::string bytes;
};

std::ostream& operator<<(std::ostream& os, const ConversionCase& c)
{
    return os << c.name;
}

class CodePageConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(CodePageConversion, GivesTheTicketBytes)
{
    EXPECT_EQ(printing::toTicketCodePage(GetParam().text), GetParam().bytes);
}

// Shared with the Windows build: both implementations must give these bytes.
INSTANTIATE_TEST_SUITE_P(
    Table, CodePageConversion,
    testing::Values(
        ConversionCase{"empty", u"", ""},
        ConversionCase{"ascii", u"Card 0123-abc ~!", "Card 0123-abc ~!"},
        ConversionCase{"chinese", u"卡号密码", "\xbf\xa8\xba\xc5\xc3\xdc\xc2\xeb"},
        ConversionCase{"fullWidthSigns", u"：［］", "\xa3\xba\xa3\xdb\xa3\xdd"},
        ConversionCase{"whiteStar", u"☆", "\xa1\xee"},
        ConversionCase{"euroIsByte80", u"€5", "\x80" "5"},
        ConversionCase{"privateUse", u"\uE000", "\xaa\xa1"},
        ConversionCase{"emojiIsOneQuestionMark", u"a\U0001F600b", "a?b"},
        ConversionCase{"loneHighSurrogate", std::u16string{u'a', char16_t(0xD83D), u'b'}, "a?b"},
        ConversionCase{"loneLowSurrogate", std::u16string{char16_t(0xDE00)}, "?"},
        ConversionCase{"unmappedBmp", u"x\u0E01y", "x?y"},
        ConversionCase{"tabStays", u"a\tb", "a\tb"},
        ConversionCase{"escIsMasked", u"\x1b@", "?@"},
        ConversionCase{"nulIsMasked", std::u16string{u'1', u'\0', u'2'}, "1?2"},
        ConversionCase{"lineBreaksAreMasked", u"1\r\n2", "1??2"},
        ConversionCase{"cashDrawerCommandIsMasked", u"\x1bp\0\x19\u00fa"s, "?p??\xa8\xb2"},
        ConversionCase{"delIsMasked", u"a\x7f", "a?"},
        ConversionCase{"byteOrderMarkIsUnmapped", u"\uFEFF1", "?1"},
        ConversionCase{"zeroWidthSpaceIsUnmapped", u"1\u200B2", "1?2"}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

TEST(CodePageControls, EveryC0ControlButTabAndDelBecomesQuestionMark)
{
    for (char16_t c = 0; c < 0x20; ++c) {
        const std::string expected = c == u'\t' ? "\t" : "?";
        EXPECT_EQ(printing::toTicketCodePage(std::u16string(1, c)), expected) << int(c);
    }
    EXPECT_EQ(printing::toTicketCodePage(u"\x7f"), "?");
}

TEST(CodePageControls, MaskingLeavesGbkPairsAlone)
{
    // Every GBK trail byte is 0x40 or more and never 0x7F.
    std::string bytes = "\x81\x40\xfe\xfe\xa1\xee\x1b";
    printing::maskControlBytes(bytes);
    EXPECT_EQ(bytes, "\x81\x40\xfe\xfe\xa1\xee?");
}

TEST(CodePageControls, MaskingLongTextTreatsEveryByteValueByTheRule)
{
    // Long enough for the many-bytes-at-a-time path, and every byte value at
    // more than one position in it, the tail included.
    std::string bytes;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>((b + round * 7) % 256);
    bytes += "\x1b\t\x7f";
    std::string expected = bytes;
    for (char& c : expected) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t') || b == 0x7F)
            c = '?';
    }
    printing::maskControlBytes(bytes);
    EXPECT_EQ(bytes, expected);
}

} // namespace
