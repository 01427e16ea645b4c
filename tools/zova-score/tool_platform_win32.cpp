#include <io.h>
#include <stdio.h>
#include <windows.h>

#include "tool_platform.h"

namespace tool {

std::string ExecutablePath(const char* argv0) {
    char path[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length > 0 && length < sizeof path) return std::string(path, length);
    return argv0 ? argv0 : "";
}

bool StderrIsTerminal() { return _isatty(_fileno(stderr)) != 0; }
bool StdoutIsTerminal() { return _isatty(_fileno(stdout)) != 0; }

// A reset that reads "Start" as non-zero writes "0" and starts nothing: the
// same settings name and section the plug-in uses, through the same API.
void KeepCompanionClosed() {
    WritePrivateProfileStringA("Settings", "Start", "1", "Plugins\\ZOVA-RTTY.ini");
}

}  // namespace tool
