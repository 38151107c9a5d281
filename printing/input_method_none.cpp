#include "input_method.h"

namespace velmora {

// No named input method to switch to here.
bool activateChineseInputMethodIfInstalled()
{
    return false;
}

} // namespace velmora
