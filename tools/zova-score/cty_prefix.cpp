#include "cty_prefix.h"

#include <vector>

#include "log_qso.h"

namespace {

size_t LineOf(std::string_view text, size_t offset) {
    size_t line = 1;
    for (size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == '\n') ++line;
    return line;
}

void AddAlias(CtyDatabase& cty, std::string_view alias, const std::string& primary) {
    std::string entry = Trim(alias);
    const size_t overrides = entry.find_first_of("([<{~");
    if (overrides != std::string::npos) entry.erase(overrides);
    entry = Upper(Trim(entry));
    if (entry.empty()) return;
    if (entry[0] == '=') {
        entry.erase(0, 1);
        if (!entry.empty()) cty.exactCalls.emplace(entry, primary);
        return;
    }
    cty.prefixes.emplace(entry, primary);
    if (entry.size() > cty.longestPrefix) cty.longestPrefix = entry.size();
}

// Suffixes of portable calls that say nothing about the country.
bool IsModifier(std::string_view part) {
    static const char* const kModifiers[] = {"P", "M", "MM", "AM", "QRP", "A", "B", "LH", "R", "AG"};
    for (const char* modifier : kModifiers)
        if (part == modifier) return true;
    return part.size() == 1 && part[0] >= '0' && part[0] <= '9';  // call-area digit
}

std::string LongestPrefix(const CtyDatabase& cty, const std::string& call) {
    for (size_t length = std::min(call.size(), cty.longestPrefix); length > 0; --length) {
        const auto it = cty.prefixes.find(call.substr(0, length));
        if (it != cty.prefixes.end()) return it->second;
    }
    return {};
}

}  // namespace

CtyDatabase ParseCtyDat(std::string_view text) {
    CtyDatabase cty;
    size_t pos = 0;
    while (true) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' ||
                                     text[pos] == '\n'))
            ++pos;
        if (pos >= text.size()) break;
        // Entity header: eight fields, each ended by ':'.
        const size_t headerStart = pos;
        std::string_view fields[8];
        for (int field = 0; field < 8; ++field) {
            const size_t colon = text.find(':', pos);
            const size_t newline = text.find('\n', pos);
            if (colon == std::string_view::npos || (newline != std::string_view::npos && newline < colon))
                throw CtyError("line " + std::to_string(LineOf(text, headerStart)) +
                               ": not a cty.dat entity line (eight fields ended by ':')");
            fields[field] = text.substr(pos, colon - pos);
            pos = colon + 1;
        }
        std::string primary = Upper(Trim(fields[7]));
        if (!primary.empty() && primary[0] == '*') primary.erase(0, 1);
        // Prefixes and exact calls up to ';'.
        size_t semicolon = text.find(';', pos);
        if (semicolon == std::string_view::npos) semicolon = text.size();
        const std::string_view list = text.substr(pos, semicolon - pos);
        size_t start = 0;
        while (start <= list.size()) {
            size_t comma = list.find(',', start);
            if (comma == std::string_view::npos) comma = list.size();
            AddAlias(cty, list.substr(start, comma - start), primary);
            start = comma + 1;
        }
        ++cty.entities;
        pos = semicolon + 1;
    }
    return cty;
}

std::string DxccPrefix(const CtyDatabase& cty, std::string_view rawCall) {
    const std::string call = Upper(Trim(rawCall));
    if (call.empty()) return {};
    if (const auto it = cty.exactCalls.find(call); it != cty.exactCalls.end()) return it->second;

    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= call.size()) {
        size_t slash = call.find('/', start);
        if (slash == std::string::npos) slash = call.size();
        if (slash > start) parts.push_back(call.substr(start, slash - start));
        start = slash + 1;
    }
    std::vector<std::string> kept;
    for (const std::string& part : parts)
        if (!IsModifier(part)) kept.push_back(part);
    if (kept.empty()) return {};
    if (kept.size() == 1) {
        if (const auto it = cty.exactCalls.find(kept[0]); it != cty.exactCalls.end()) return it->second;
        return LongestPrefix(cty, kept[0]);
    }
    // Two parts: the shorter names the country (F/DL1ABC, DL1ABC/EA8).
    const std::string* shortest = &kept[0];
    for (const std::string& part : kept)
        if (part.size() < shortest->size()) shortest = &part;
    return LongestPrefix(cty, *shortest);
}
