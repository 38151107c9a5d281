#include "note_ticket.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct NoteCase {
    const char* name;
    std::vector<std::u16string_view> lines;
    std::optional<std::vector<std::string>> body;
};

void PrintTo(const NoteCase& c, std::ostream* os)
{
    *os << c.name;
}

class NoteBody : public testing::TestWithParam<NoteCase> {};

TEST_P(NoteBody, IsTheShownLinesButTheLastEmptyOne)
{
    EXPECT_EQ(printing::note::ticketBody(GetParam().lines), GetParam().body);
}

using Lines = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Table, NoteBody,
    testing::Values(
        NoteCase{"noLines", {}, std::nullopt},
        NoteCase{"oneEmptyLine", {u""}, std::nullopt},
        NoteCase{"oneLineBreak", {u"", u""}, Lines{""}},
        NoteCase{"textThenLineBreak", {u"abc", u""}, Lines{"abc"}},
        NoteCase{"emptyLineBetween", {u"a", u"", u"b"}, Lines{"a", "", "b"}},
        NoteCase{"twoFinalBreaksKeepOneEmptyLine", {u"a", u"", u""}, Lines{"a", ""}},
        NoteCase{"blanksKept", {u"  a ", u" "}, Lines{"  a ", " "}},
        NoteCase{"chineseAndControls", {u"便笺\x1b", u"\t☆"}, Lines{"\xb1\xe3\xbc\xe3?", "\t\xa1\xee"}}),
    [](const testing::TestParamInfo<NoteCase>& info) { return info.param.name; });

} // namespace
