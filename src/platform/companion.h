#pragma once
// The companion windows' thread as the rest of the plug-in sees it: a start,
// a bounded close, and a refresh message posted to the Setup window.
// Natively no window can exist, so nothing is started.
#include <chrono>

namespace platform {

using WindowHandle = void*;

// WM_USER + 500: asks the Setup window to refresh the companion windows.
constexpr unsigned kRefreshWindowsMessage = 0x0400 + 500;

// Starts the companion thread; false when it cannot exist on this platform.
bool StartCompanionThread();

// Asks the companion windows to close and waits for the Setup window to end,
// at most `limit`. Returns at once when no Setup window exists.
// Also called from DllMain at FreeLibrary, under the loader lock: it may only
// post messages (or send with a timeout) and poll; it must not wait for the
// thread to exit (thread exit takes the loader lock) nor load a library.
void CloseCompanionWindows(std::chrono::milliseconds limit);

// Posts the refresh message (never sends it); false when the post failed.
bool PostRefresh(WindowHandle setupWindow);

}  // namespace platform
