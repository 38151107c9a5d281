// The keyboard layout helper, on a system without the Chinese (Simplified)
// US-keyboard layout (Wine in an English locale).
#include "input_method.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<HKL> installedLayouts()
{
    std::vector<HKL> layouts(static_cast<std::size_t>(GetKeyboardLayoutList(0, nullptr)));
    layouts.resize(static_cast<std::size_t>(
        GetKeyboardLayoutList(static_cast<int>(layouts.size()), layouts.data())));
    return layouts;
}

TEST(ChineseInputMethod, LeavesTheLayoutAloneWhenItIsNotInstalled)
{
    const auto before = installedLayouts();
    for (HKL layout : before) {
        if ((reinterpret_cast<std::uintptr_t>(layout) & 0xFFFFFFFFu) == 0x08040804)
            GTEST_SKIP() << "this system has the layout installed";
    }
    const HKL active = GetKeyboardLayout(0);

    EXPECT_FALSE(velmora::activateChineseInputMethodIfInstalled());
    EXPECT_EQ(GetKeyboardLayout(0), active);
    // Nothing was loaded behind the user's back either.
    EXPECT_EQ(installedLayouts(), before);
}

} // namespace
