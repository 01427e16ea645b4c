#include "plugin/lifecycle.h"

#include <thread>

#include "platform/companion.h"
#include "plugin/contest_state.h"

void OnLibraryUnload(bool processTerminating) {
    if (processTerminating) return;
    if (!State().setupWindow.load()) return;
    platform::CloseCompanionWindows(kUnloadWaitLimit);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}
