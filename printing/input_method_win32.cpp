#include "input_method.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace velmora {
namespace {

// The handle of layout 00000804: language 0x0804 (Chinese, PRC) in the low
// word, the layout 0x0804 in the high word.
constexpr std::uintptr_t chineseUsLayout = 0x08040804;

} // namespace

bool activateChineseInputMethodIfInstalled()
{
    // Only a layout the user has installed is activated: loading one would
    // add it to the user's list behind their back.
    const int count = GetKeyboardLayoutList(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<HKL> layouts(static_cast<std::size_t>(count));
    const int got = GetKeyboardLayoutList(count, layouts.data());
    for (int i = 0; i < got; ++i) {
        const auto id = reinterpret_cast<std::uintptr_t>(layouts[static_cast<std::size_t>(i)]);
        if ((id & 0xFFFFFFFFu) == chineseUsLayout)
            return ActivateKeyboardLayout(layouts[static_cast<std::size_t>(i)], 0) != nullptr;
    }
    return false;
}

} // namespace velmora
