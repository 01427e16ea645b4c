#include "platform/companion.h"

namespace platform {

bool StartCompanionThread() { return false; }
void CloseCompanionWindows(std::chrono::milliseconds) {}
bool PostRefresh(WindowHandle) { return false; }

}  // namespace platform
