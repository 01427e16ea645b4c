#include <cstring>

#include "cabrillo/cabrillo_log.h"
#include "platform/ansi_text.h"

std::string ReplaceAll(const std::string& source, const char* search, const char* replacement,
                       bool (*isLeadByte)(unsigned char)) {
    if (!search || !*search) return source;  // an empty search text matches nowhere
    if (!replacement) replacement = "";
    if (std::strcmp(search, replacement) == 0) return source;

    const size_t searchLength = std::strlen(search);
    std::string result;
    result.reserve(source.size());
    // Character by character: a match starts only where a character starts,
    // never on the second byte of a double-byte character.
    for (size_t at = 0; at < source.size();) {
        if (source.compare(at, searchLength, search) == 0) {
            result.append(replacement);
            at += searchLength;  // the insertion is never searched again
            continue;
        }
        const size_t width =
            isLeadByte(static_cast<unsigned char>(source[at])) && at + 1 < source.size() ? 2 : 1;
        result.append(source, at, width);
        at += width;
    }
    return result;
}

std::string ReplaceAll(const std::string& source, const char* search, const char* replacement) {
    return ReplaceAll(source, search, replacement, platform::IsAnsiLeadByte);
}
