#pragma once

#include <QString>

#include <string_view>

// A QString's text as the UTF-16 view the printing library takes; valid
// while the string lives unchanged.
inline std::u16string_view utf16(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()),
            static_cast<std::size_t>(text.size())};
}
