#include "platform/settings_file.h"

#include <cstdlib>

namespace platform {

int SettingsFile::ReadInt(const std::string& key) const {
    return std::atoi(Read(key).c_str());
}

bool SettingsFile::Write(const std::string& key, const std::string& value) const {
    // A line break inside a value would end the line in the file and could
    // inject keys of its own: store it as a blank instead.
    std::string safe = value;
    for (char& c : safe)
        if (c == '\r' || c == '\n') c = ' ';
    return WriteProfileString(file, section, key, safe);
}

}  // namespace platform
