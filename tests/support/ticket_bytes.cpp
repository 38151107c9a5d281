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
