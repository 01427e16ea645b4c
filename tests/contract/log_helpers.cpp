#include "contract/log_helpers.h"

std::string JournalLineOf(const HostQso& qso, const char* marker) {
    return "QSO:  " + std::to_string(qso.freqHz / 1000) + "  " + qso.mode + "  " +
           qso.time.Format("%Y-%m-%d %H%M") + "  " + qso.ownCall + "  " + qso.rstSent + "  " +
           qso.exchSent + "  " + qso.call + "  " + qso.rstReceived + "  " + qso.exchReceived +
           marker + "\r\n";
}

std::string GoldenPath(const std::string& name) {
    std::string path = std::string(STATS_GOLDEN_DIR) + "/" + name;
#if defined(_WIN32)
    if (!path.empty() && path[0] == '/') {
        path = "Z:" + path;
        for (char& c : path)
            if (c == '/') c = '\\';
    }
#endif
    return path;
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const size_t start = text.find(from);
    if (start == std::string::npos) return "";
    const size_t end = text.find(to, start + from.size());
    if (end == std::string::npos) return "";
    return text.substr(start + from.size(), end - start - from.size());
}
