#pragma once
// One section of an INI settings file, read and written with the semantics of
// the Windows profile API (GetPrivateProfileStringA / WritePrivateProfileStringA):
// section and key names match case-insensitively, values come back without the
// blanks around them and cut to the buffer, the file is created at the first
// write and other sections and keys are kept. The name is passed unchanged
// ("\" separates folders on every platform).
#include <string>

namespace platform {

// Read with a buffer of `bufferSize` bytes: at most bufferSize - 1 characters.
std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              size_t bufferSize = 100);

// Creates or replaces the key. Returns false when the file could not be written.
bool WriteProfileString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value);

// The plug-in's settings: one file and one section.
struct SettingsFile {
    std::string file;
    std::string section;

    std::string Read(const std::string& key, const std::string& defaultValue = {}) const {
        return ReadProfileString(file, section, key, defaultValue);
    }
    // Numbers are read from their leading decimal digits; empty or other text is 0.
    int ReadInt(const std::string& key) const;
    bool Write(const std::string& key, const std::string& value) const;
};

}  // namespace platform
