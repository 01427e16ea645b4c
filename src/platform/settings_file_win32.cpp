#include "platform/settings_file.h"

#include <windows.h>
// <windows.h> maps WriteProfileString to the win.ini function WriteProfileStringA.
#undef WriteProfileString

#include <vector>

namespace platform {

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              size_t bufferSize) {
    if (bufferSize == 0) return {};
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                  buffer.data(), DWORD(bufferSize), file.c_str());
    return std::string(buffer.data(), length);
}

bool WriteProfileString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

}  // namespace platform
