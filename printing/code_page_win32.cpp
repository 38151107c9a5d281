#include "code_page.h"

#include "print_error.h"

#include <windows.h>

#include <climits>

namespace printing {
namespace {

constexpr UINT ticketCodePage = 936;

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Code page 936 has no character outside the Basic Multilingual Plane, and
// WideCharToMultiByte would give one '?' per surrogate, two for an emoji.
// Each pair, and each lone surrogate, becomes a single '?' first.
std::u16string oneUnitPerCharacter(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            out += u'?';
            ++i;
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            out += u'?';
        } else {
            out += c;
        }
    }
    return out;
}

[[noreturn]] void conversionFailed()
{
    throw PrintError("code page 936 conversion failed", static_cast<int>(GetLastError()));
}

} // namespace

std::string toTicketCodePage(std::u16string_view text)
{
    std::string out;
    if (text.empty())
        return out;
    const std::u16string units = oneUnitPerCharacter(text);
    if (units.size() > INT_MAX / 2)
        throw PrintError("text too long for code page 936 conversion", 0);
    // wchar_t is UTF-16 on Windows.
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
    const int wideSize = static_cast<int>(units.size());
    // GBK needs at most two bytes per UTF-16 unit. No best fit: a character
    // the code page lacks is '?', never a look-alike ("ä" is not "a").
    out.resize(units.size() * 2);
    const int n = WideCharToMultiByte(ticketCodePage, WC_NO_BEST_FIT_CHARS, wide, wideSize,
                                      out.data(), static_cast<int>(out.size()), "?", nullptr);
    if (n <= 0)
        conversionFailed();
    out.resize(static_cast<std::size_t>(n));
    maskControlBytes(out);
    return out;
}

} // namespace printing
