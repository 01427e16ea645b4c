#pragma once
#include <chrono>

// Unload: close the companion windows (a bounded wait), then pause 20 ms so the
// companion thread is out of the library's code. When the process is already
// terminating the companion thread is gone and nothing waits.
void OnLibraryUnload(bool processTerminating);

// The longest the unload waits for the companion windows to close.
constexpr std::chrono::milliseconds kUnloadWaitLimit{2000};
