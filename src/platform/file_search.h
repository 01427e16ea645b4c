#pragma once
// Directory search with a Windows wildcard pattern such as "C:\Dorv\*.ini":
// the names (without folder) of the entries that match, in the order the
// platform returns them. Wildcards ("*", "?") match case-insensitively, as
// they do on Windows file systems.
#include <string>
#include <vector>

namespace platform {
std::vector<std::string> FindFiles(const std::string& pattern);
}
