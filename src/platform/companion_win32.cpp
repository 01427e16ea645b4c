#include "platform/companion.h"

#include <windows.h>

namespace platform {

// The companion windows arrive with their own work; until then no thread is
// started and no Setup window exists.
bool StartCompanionThread() { return false; }

void CloseCompanionWindows(std::chrono::milliseconds) {}

bool PostRefresh(WindowHandle setupWindow) {
    return setupWindow && PostMessageA(static_cast<HWND>(setupWindow), kRefreshWindowsMessage, 0, 0);
}

}  // namespace platform
