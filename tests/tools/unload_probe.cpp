// Ends a plug-in session the ways a host process does, after a reset that
// starts the companion windows (the host settings file is not found, so the
// version "Dorv" allows them):
//   unload          FreeLibrary / dlclose once the windows are up: must return
//                   within the bounded wait;
//   unload-at-once  the same right after the reset, while the companion thread
//                   may still be starting;
//   exit            the process ends with the library still loaded: the unload
//                   at process exit must not wait for the (already gone) thread.
// Exit code 0 when the session ended as it should; a hang is caught by the
// test's timeout, a crash by the exit code.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>

#include "host_calls.h"
#include "support/temp_dir.h"

namespace {

// The unload waits at most 2 s for the companion windows; allow for a slow machine.
constexpr auto kUnloadLimit = std::chrono::milliseconds(3500);

// The library left loaded at exit stays reachable from here (not a leak).
PluginLibrary* gLeftLoaded = nullptr;

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "unload" && mode != "unload-at-once" && mode != "exit") {
        std::fprintf(stderr, "usage: unload_probe unload|unload-at-once|exit\n");
        return 2;
    }
    const std::string pluginPath = std::filesystem::absolute(DefaultPluginPath(argv[0])).string();
    ScopedWorkDir dir;
    auto plugin = std::make_unique<PluginLibrary>(pluginPath);

    HostReset reset;
    reset.folder = dir.path().string() + "/";
    reset.ownCall = "DL1ABC";
    reset.start = COleDateTime::FromParts(2021, 3, 6);
    reset.end = COleDateTime::FromParts(2021, 3, 7, 23, 59);
    reset.ownPrefix = "DL";
    if (CallReset(*plugin, reset) != 1) {
        std::fprintf(stderr, "ResetStats0 did not return 1\n");
        return 1;
    }

    if (mode == "exit") {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        gLeftLoaded = plugin.release();  // never unloaded by us: the process exit unloads it
        std::printf("exiting with the plug-in loaded\n");
        return 0;
    }

    if (mode == "unload") std::this_thread::sleep_for(std::chrono::seconds(1));
    const auto before = std::chrono::steady_clock::now();
    plugin.reset();
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - before);
    std::printf("unload took %lld ms\n", static_cast<long long>(took.count()));
    if (took > kUnloadLimit) {
        std::fprintf(stderr, "the unload waited longer than %lld ms\n",
                     static_cast<long long>(kUnloadLimit.count()));
        return 1;
    }
    // The companion thread must not run on in the unloaded code.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    return 0;
}
