#include "console/console.h"
#include "platform/kernel.h"

namespace console {

void Delay(std::uint16_t ms) { win32::Sleep(ms); }

}  // namespace console
