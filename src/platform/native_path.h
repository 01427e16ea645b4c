#pragma once
// File names as the plug-in spells them ("Plugins\ZOVA-RTTY.ini",
// ".\Plugins\ZOVA_RTTY_CH.hlp") turned into names the platform opens: on
// Windows unchanged, on POSIX with "\" read as the folder separator.
#include <string>

namespace platform {
std::string NativePath(const std::string& name);
}
