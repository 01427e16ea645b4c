#include <windows.h>

#include "platform/ansi_text.h"

namespace platform {

bool IsAnsiLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != 0; }

}  // namespace platform
