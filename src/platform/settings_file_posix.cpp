// The Windows profile API rebuilt for POSIX. Same results for the cases the
// plug-in meets: case-insensitive section and key names, blanks around names
// and values ignored, matching quotes around a value dropped, the value cut to
// the buffer, the absent key giving the default without its trailing blanks,
// the file (not its folder) created at the first write, everything else kept.
#include <cstdio>
#include <strings.h>
#include <unistd.h>

#include "platform/native_path.h"
#include "platform/settings_file.h"
#include "platform/text_file.h"

namespace platform {
namespace {

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

// "[name]" -> name, else nullopt-like empty flag.
bool SectionName(const std::string& line, std::string& name) {
    const std::string text = Trim(line);
    if (text.empty() || text.front() != '[') return false;
    const size_t close = text.find(']');
    name = Trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

bool KeyOf(const std::string& line, std::string& key, std::string& value) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    key = Trim(line.substr(0, equals));
    value = Trim(line.substr(equals + 1));
    return true;
}

std::string CutToBuffer(std::string text, size_t bufferSize) {
    if (bufferSize == 0) return {};
    if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
    return text;
}

}  // namespace

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              size_t bufferSize) {
    if (const auto lines = ReadTextLines(file)) {
        bool inSection = false;
        for (const std::string& line : *lines) {
            std::string name, value;
            if (SectionName(line, name)) {
                inSection = SameName(name, section);
                continue;
            }
            if (!inSection || !KeyOf(line, name, value) || !SameName(name, key)) continue;
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return CutToBuffer(value, bufferSize);
        }
    }
    std::string fallback = defaultValue;
    while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
    return CutToBuffer(fallback, bufferSize);
}

bool WriteProfileString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value) {
    std::vector<std::string> lines = ReadTextLines(file).value_or(std::vector<std::string>{});
    size_t start = value.find_first_not_of(" \t");
    const std::string entry = key + "=" + (start == std::string::npos ? "" : value.substr(start));

    // Find the section and, inside it, the key or the place after its last entry.
    bool found = false, inSection = false;
    size_t insertAt = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string name, old;
        if (SectionName(lines[i], name)) {
            if (inSection) break;
            inSection = SameName(name, section);
            if (inSection) found = true, insertAt = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (KeyOf(lines[i], name, old) && SameName(name, key)) {
            lines[i] = name + "=" + entry.substr(key.size() + 1);
            insertAt = std::string::npos;
            break;
        }
        if (!Trim(lines[i]).empty()) insertAt = i + 1;
    }
    if (!found) {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    } else if (insertAt != std::string::npos) {
        lines.insert(lines.begin() + long(insertAt), entry);
    }

    // Write beside the file and rename over it, so a failed write keeps the old file.
    const std::string target = NativePath(file);
    const std::string temporary = target + ".tmp" + std::to_string(getpid());
    {
        TextFileWriter writer(temporary, TextFileWriter::Mode::truncate);
        for (const std::string& line : lines) writer.WriteLine(line);
        if (!writer.Close()) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
