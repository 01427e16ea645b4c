#include <cstring>

#include "cabrillo/cabrillo_log.h"

std::string ReplaceAll(const std::string& source, const char* search, const char* replacement) {
    if (!search || !*search) return source;  // an empty search text matches nowhere
    if (!replacement) replacement = "";
    if (std::strcmp(search, replacement) == 0) return source;

    const size_t searchLength = std::strlen(search);
    std::string result;
    result.reserve(source.size());
    size_t from = 0;
    for (size_t found; (found = source.find(search, from, searchLength)) != std::string::npos;) {
        result.append(source, from, found - from);
        result.append(replacement);
        from = found + searchLength;  // continue after the occurrence, never inside the insertion
    }
    result.append(source, from, std::string::npos);
    return result;
}
