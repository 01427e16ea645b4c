#include "log_format.h"

#include "adif_reader.h"
#include "cabrillo_reader.h"

namespace {

bool ContainsNoCase(std::string_view text, std::string_view lowerNeedle) {
    for (size_t i = 0; i + lowerNeedle.size() <= text.size(); ++i) {
        size_t k = 0;
        for (; k < lowerNeedle.size(); ++k) {
            char c = text[i + k];
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
            if (c != lowerNeedle[k]) break;
        }
        if (k == lowerNeedle.size()) return true;
    }
    return false;
}

bool LineStartsWithNoCase(std::string_view line, std::string_view upperPrefix) {
    const std::string_view trimmed = line.substr(std::min(line.find_first_not_of(" \t"), line.size()));
    return trimmed.size() >= upperPrefix.size() && Upper(trimmed.substr(0, upperPrefix.size())) == upperPrefix;
}

}  // namespace

std::optional<LogFormat> DetectLogFormat(std::string_view text) {
    // The first line with anything on it.
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty()) continue;
        if (LineStartsWithNoCase(line, "START-OF-LOG:")) return LogFormat::cabrillo;
        break;
    }
    if (ContainsNoCase(text, "<eoh>") || ContainsNoCase(text, "<eor>") ||
        ContainsNoCase(text, "<call:"))
        return LogFormat::adif;
    pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        if (LineStartsWithNoCase(text.substr(pos, end - pos), "QSO:")) return LogFormat::cabrillo;
        pos = end + 1;
    }
    return std::nullopt;
}

ParsedLog ReadLog(std::string_view text) {
    const std::optional<LogFormat> format = DetectLogFormat(text);
    if (!format) throw LogError("neither an ADIF nor a Cabrillo log (no ADIF tags, no QSO: lines)");
    ParsedLog log = *format == LogFormat::adif ? ReadAdif(text) : ReadCabrillo(text);
    if (log.qsos.empty())
        throw LogError(std::string("the ") + (*format == LogFormat::adif ? "ADIF" : "Cabrillo") +
                       " log holds no QSO");
    if (log.ownCall.empty())
        for (const LogQso& qso : log.qsos)
            if (!qso.ownCall.empty()) {
                log.ownCall = qso.ownCall;
                break;
            }
    return log;
}
