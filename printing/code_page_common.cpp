#include "code_page.h"

namespace printing {

void maskControlBytes(std::string& bytes) noexcept
{
    for (char& c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t') || b == 0x7F)
            c = '?';
    }
}

} // namespace printing
