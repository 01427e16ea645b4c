// The Windows profile API rebuilt for POSIX, giving the results of Wine's
// implementation (our reference, checked case by case against it by
// tests/tools/compare_settings.sh). The file is read as a list of sections
// with their entries and, on a write, saved back whole from that list:
// - every line is trimmed; blank lines are dropped;
// - "[name]" (up to the last "]") opens a section named by the trimmed text
//   inside; lines before the first section belong to an unnamed one;
// - "key=value" splits at the first "=", both sides trimmed; a line without
//   "=" is a key without value (it reads as absent, a write gives it one);
// - names of sections and keys match case-insensitively after trimming, and
//   only the first matching section and key count;
// - a read strips one pair of matching quotes around the value and cuts it to
//   the buffer; the default loses its trailing blanks;
// - a write trims the value, replaces the key in place or appends it to its
//   section (or a new section at the end), and creates the file but never its
//   folder.
#include <cstdio>
#include <optional>
#include <strings.h>
#include <unistd.h>

#include "platform/native_path.h"
#include "platform/settings_file.h"
#include "platform/text_file.h"

namespace platform {
namespace {

constexpr const char* kBlanks = " \t\r\n\v\f";

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

struct Entry {
    std::string key;
    std::optional<std::string> value;  // none: a line without "="
};

struct Section {
    std::string name;
    bool named = true;  // false for the lines before the first "[...]"
    std::vector<Entry> entries;
};

using Profile = std::vector<Section>;

Profile Parse(const std::vector<std::string>& lines) {
    Profile profile{Section{{}, false, {}}};
    for (const std::string& line : lines) {
        const std::string text = Trim(line);
        if (text.empty()) continue;
        if (text.front() == '[') {
            const size_t close = text.rfind(']');
            if (close != std::string::npos && close > 0) {
                profile.push_back(Section{Trim(text.substr(1, close - 1)), true, {}});
                continue;
            }
        }
        const size_t equals = text.find('=');
        if (equals == std::string::npos)
            profile.back().entries.push_back({text, std::nullopt});
        else
            profile.back().entries.push_back(
                {Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))});
    }
    return profile;
}

Section* FindSection(Profile& profile, const std::string& name) {
    for (Section& section : profile)
        if (SameName(section.name, name)) return &section;
    return nullptr;
}

Entry* FindEntry(Section& section, const std::string& key) {
    for (Entry& entry : section.entries)
        if (SameName(entry.key, key)) return &entry;
    return nullptr;
}

std::string CutToBuffer(std::string text, size_t bufferSize) {
    if (bufferSize == 0) return {};
    if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
    return text;
}

// Replaces the file with `lines` (CR LF ends): written beside it and renamed
// over it, so a failed write keeps the old file.
bool SaveLines(const std::string& file, const std::vector<std::string>& lines) {
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

}  // namespace

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              size_t bufferSize) {
    if (const auto lines = ReadTextLines(file)) {
        Profile profile = Parse(*lines);
        if (Section* found = FindSection(profile, Trim(section))) {
            const Entry* entry = FindEntry(*found, Trim(key));
            if (entry && entry->value) {
                std::string value = *entry->value;
                if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                    value.back() == value.front())
                    value = value.substr(1, value.size() - 2);
                return CutToBuffer(value, bufferSize);
            }
        }
    }
    std::string fallback = defaultValue;
    while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
    return CutToBuffer(fallback, bufferSize);
}

bool WriteProfileString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value) {
    Profile profile = Parse(ReadTextLines(file).value_or(std::vector<std::string>{}));
    const std::string sectionName = Trim(section);
    const std::string keyName = Trim(key);
    Section* target = FindSection(profile, sectionName);
    if (!target) {
        profile.push_back(Section{sectionName, true, {}});
        target = &profile.back();
    }
    if (Entry* entry = FindEntry(*target, keyName))
        entry->value = Trim(value);
    else
        target->entries.push_back({keyName, Trim(value)});

    std::vector<std::string> lines;
    for (const Section& part : profile) {
        if (part.named) lines.push_back("[" + part.name + "]");
        for (const Entry& entry : part.entries)
            lines.push_back(entry.value ? entry.key + "=" + *entry.value : entry.key);
    }
    return SaveLines(file, lines);
}

}  // namespace platform
