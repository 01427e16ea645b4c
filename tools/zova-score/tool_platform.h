#pragma once
// The few things the command needs from the operating system.
#include <string>

namespace tool {

// The running program's own file (to find the plug-in built beside it).
std::string ExecutablePath(const char* argv0);

// Whether standard error / standard output is a terminal (the progress line
// is shown only on a terminal).
bool StderrIsTerminal();
bool StdoutIsTerminal();

// Keeps the plug-in from opening its companion windows at the next reset: a
// command-line scorer shows no windows. Only the Windows build has them.
void KeepCompanionClosed();

}  // namespace tool
