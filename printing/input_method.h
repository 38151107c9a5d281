#pragma once

namespace velmora {

// Switches the calling thread to the keyboard layout "Chinese (Simplified) -
// US keyboard" (KLID 00000804) when the system has it installed; does
// nothing otherwise, and nothing on systems other than Windows. Meant for a
// text field that gets the focus. Returns whether it switched.
bool activateChineseInputMethodIfInstalled();

} // namespace velmora
