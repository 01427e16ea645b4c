#include "platform/message_box.h"

#include <windows.h>

namespace platform {

void ShowMessageBox(const std::string& text, const char* caption, MessageIcon icon) {
    UINT flags = MB_OK;
    if (icon == MessageIcon::information) flags |= MB_ICONINFORMATION;
    MessageBoxA(GetActiveWindow(), text.c_str(), caption, flags);
}

}  // namespace platform
