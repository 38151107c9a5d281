#include "code_page.h"

namespace printing {

void maskControlBytes(std::string& bytes) noexcept
{
    // Every converted byte passes here: no branch per byte, so the compiler
    // can test many bytes at a time.
    for (char& c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const bool control = (b < 0x20 && b != '\t') || b == 0x7F;
        c = control ? '?' : c;
    }
}

} // namespace printing
