#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "tool_platform.h"

namespace tool {

std::string ExecutablePath(const char* argv0) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.string();
    return argv0 ? argv0 : "";
}

bool StderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }
bool StdoutIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

void KeepCompanionClosed() {}  // the native plug-in starts no companion thread

}  // namespace tool
