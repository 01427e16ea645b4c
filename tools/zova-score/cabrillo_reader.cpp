#include "cabrillo_reader.h"

#include <vector>

#include "band_plan.h"

namespace {

std::vector<std::string_view> Tokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

bool Digits(std::string_view text, size_t count) {
    if (text.size() != count) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int Number(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// Above 30 MHz Cabrillo names the band instead of the frequency.
struct BandName {
    const char* token;
    const char* band;
};
constexpr BandName kVhfBands[] = {{"50", "6m"},     {"70", "4m"},    {"144", "2m"},
                                  {"222", "1.25m"}, {"432", "70cm"}, {"902", "33cm"},
                                  {"1.2G", "23cm"}, {"2.3G", "13cm"}, {"3.4G", "9cm"},
                                  {"5.7G", "6cm"},  {"10G", "3cm"}};

std::string HostMode(std::string_view mode) {
    const std::string upper = Upper(mode);
    if (upper == "RY") return "RTTY";
    if (upper == "PH") return "SSB";
    return upper;
}

std::string Shown(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, 30)) out += (c >= 0x20 && c < 0x7f) ? c : '?';
    return out;
}

bool StartsWithNoCase(std::string_view line, std::string_view prefix) {
    return line.size() >= prefix.size() && Upper(line.substr(0, prefix.size())) == prefix;
}

}  // namespace

ParsedLog ReadCabrillo(std::string_view text) {
    ParsedLog log;
    log.format = LogFormat::cabrillo;
    std::string firstOwnCall;
    size_t lineNumber = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);

        if (StartsWithNoCase(line, "END-OF-LOG:")) break;
        if (StartsWithNoCase(line, "CALLSIGN:")) {
            log.ownCall = Upper(Trim(line.substr(9)));
            continue;
        }
        if (!StartsWithNoCase(line, "QSO:")) continue;

        const std::string where = "line " + std::to_string(lineNumber);
        const auto fail = [&](const std::string& why) -> LogError {
            return LogError(where + ": QSO line does not parse: " + why);
        };
        const std::vector<std::string_view> t = Tokens(line.substr(4));
        if (t.size() != 10 && t.size() != 11)
            throw fail("expected frequency, mode, date, time, own call, RST sent, exchange sent, "
                       "call, RST received, exchange received (and an optional transmitter), found " +
                       std::to_string(t.size()) + " fields");

        LogQso qso;
        qso.record = log.qsos.size() + 1;
        qso.line = lineNumber;

        const std::string_view freq = t[0];
        bool named = false;
        for (const BandName& vhf : kVhfBands)
            if (Upper(freq) == vhf.token) {
                qso.band = vhf.band;
                named = true;
            }
        if (!named) {
            if (freq.empty() || freq.size() > 7 || !Digits(freq, freq.size()))
                throw fail("frequency '" + Shown(freq) + "' is not in kHz");
            qso.freqHz = unsigned(Number(freq)) * 1000u;
            qso.band = BandFromFrequency(qso.freqHz);
        }
        qso.mode = HostMode(t[1]);

        const std::string_view date = t[2], time = t[3];
        if (date.size() != 10 || !Digits(date.substr(0, 4), 4) || date[4] != '-' ||
            !Digits(date.substr(5, 2), 2) || date[7] != '-' || !Digits(date.substr(8, 2), 2))
            throw fail("date '" + Shown(date) + "' is not yyyy-mm-dd");
        if (!Digits(time, 4)) throw fail("time '" + Shown(time) + "' is not hhmm");
        qso.year = Number(date.substr(0, 4));
        qso.month = Number(date.substr(5, 2));
        qso.day = Number(date.substr(8, 2));
        qso.hour = Number(time.substr(0, 2));
        qso.minute = Number(time.substr(2, 2));
        if (!IsValidDateTime(qso.year, qso.month, qso.day, qso.hour, qso.minute, 0))
            throw fail(std::string(date) + " " + std::string(time) + " is not a valid date and time");

        qso.ownCall = Upper(t[4]);
        qso.rstSent = std::string(t[5]);
        qso.exchSent = std::string(t[6]);
        qso.call = Upper(t[7]);
        qso.rstReceived = std::string(t[8]);
        qso.exchReceived = std::string(t[9]);
        if (firstOwnCall.empty()) firstOwnCall = qso.ownCall;
        log.qsos.push_back(std::move(qso));
    }
    if (log.ownCall.empty()) log.ownCall = firstOwnCall;
    return log;
}
