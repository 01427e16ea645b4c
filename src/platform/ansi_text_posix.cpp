#include "platform/ansi_text.h"

namespace platform {

bool IsAnsiLeadByte(unsigned char) { return false; }

}  // namespace platform
