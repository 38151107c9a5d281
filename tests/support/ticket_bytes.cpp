#include "ticket_bytes.h"

#include <fstream>
#include <iterator>

const std::string expectedOpening =
    "\x1b\x40"
    "-------\xb3\xcc\xd0\xf2\xc9\xe8\xbc\xc6=Kelvarin=-------\r\n"
    "================================\r\n";

const std::string expectedClosing =
    "================================\r\n"
    "----e-Mail=kelv@example.com-----\r\n"
    "      \xa1\xee          \xa1\xee\r\n"
    "            \xa1\xee          \xa1\xee\r\n"
    "\x0c\r\n";

std::vector<std::string> expectedCardBody(const std::string& number, const std::string& password)
{
    return {"\xbf\xa8\xba\xc5:", number, "\xc3\xdc\xc2\xeb:", password};
}

std::string expectedTicket(const std::vector<std::string>& body)
{
    std::string t = expectedOpening;
    for (const auto& line : body)
        t += line + "\r\n";
    return t + expectedClosing;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    std::size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i])
        ++i;
    auto around = [i](const std::string& s) {
        return testing::PrintToString(s.substr(i < 8 ? 0 : i - 8, 24));
    };
    return testing::AssertionFailure()
           << "got " << actual.size() << " bytes, expected " << expected.size()
           << "; first difference at byte " << i << ": got " << around(actual)
           << ", expected " << around(expected);
}
