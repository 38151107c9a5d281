#include "same_bytes.h"

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
