#include "card_ticket.h"
#include "code_page.h"
#include "ticket_bytes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using printing::card::numberHint;
using printing::card::passwordHint;

std::string gbk(std::u16string_view text)
{
    return printing::toTicketCodePage(text);
}

TEST(CardHints, AreTheFieldsInitialTextsInCodePage936)
{
    EXPECT_EQ(numberHint, gbk(u"请把充值卡［卡号］粘贴在这里..."));
    EXPECT_EQ(passwordHint, gbk(u"请把充值卡［密码］粘贴在这里..."));
    EXPECT_EQ(numberHint.size(), 31u);
    EXPECT_EQ(passwordHint.size(), 31u);
}

struct CheckCase {
    const char* name;
    std::string number;
    std::string password;
    bool prints;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class CardChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(CardChecks, PrintOnlyFilledInFields)
{
    const auto& c = GetParam();
    const auto body = printing::card::ticketBody(c.number, c.password);
    ASSERT_EQ(body.has_value(), c.prints);
    if (body) {
        EXPECT_EQ(*body, expectedCardBody(c.number, c.password));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CardChecks,
    testing::Values(
        CheckCase{"bothHints", std::string(numberHint), std::string(passwordHint), false},
        CheckCase{"numberHintOnly", std::string(numberHint), "9876", false},
        CheckCase{"passwordHintOnly", "1234", std::string(passwordHint), false},
        CheckCase{"emptyNumber", "", "9876", false},
        CheckCase{"emptyPassword", "1234", "", true},
        CheckCase{"blankNumber", " ", "9876", true},
        CheckCase{"filledIn", "1234 5678", " pass word ", true},
        CheckCase{"numberHintOneMore", std::string(numberHint) + "x", "9876", true},
        CheckCase{"numberHintOneLess", std::string(numberHint.substr(0, 30)), "9876", true},
        CheckCase{"passwordHintOneLess", "1234", std::string(passwordHint.substr(1)), true},
        CheckCase{"hintsSwapped", std::string(passwordHint), std::string(numberHint), true}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

} // namespace
