#include "cabrillo/cabrillo_log.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/ansi_text.h"
#include "platform/text_file.h"

namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7f; }

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// Windows opens a device instead of a file for these names, with any
// extension and with blanks before the extension.
bool IsReservedDeviceName(const std::string& base) {
    std::string stem = base.substr(0, base.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (char& c : stem) c = Upper(c);
    static const char* const kNames[] = {"CON", "PRN", "AUX", "NUL"};
    for (const char* name : kNames)
        if (stem == name) return true;
    if (stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0)) {
        const unsigned char digit = stem[3];
        // 1 to 9, and the superscript digits 1, 2, 3 of the ANSI code page.
        return (digit >= '1' && digit <= '9') || digit == 0xb9 || digit == 0xb2 || digit == 0xb3;
    }
    return false;
}

// One value between two continuation tags keeps no control character; the
// line breaks are only the ones the continuation coding made.
std::string ContinuedValue(const std::string& value, const char* tag) {
    const std::string separator = std::string("\r\n") + tag;
    std::string result;
    size_t from = 0;
    for (;;) {
        const size_t found = value.find(separator, from);
        result += OneLineValue(value.substr(from, found == std::string::npos ? std::string::npos
                                                                              : found - from));
        if (found == std::string::npos) break;
        result += separator;
        from = found + separator.size();
    }
    return result;
}

}  // namespace

std::string OneLineValue(const std::string& value) {
    std::string result = value;
    for (char& c : result)
        if (IsControl(static_cast<unsigned char>(c))) c = ' ';
    return result;
}

std::string CabrilloFileBase(const std::string& hostCall) {
    std::string base = ReplaceAll(ReplaceAll(hostCall, "/", "_"), "\\", "_");
    const size_t first = base.find_first_not_of(" \t\r\n\v\f");
    if (first == std::string::npos) {
        base.clear();
    } else {
        size_t last = base.size();
        while (last > first && IsBlank(base[last - 1])) --last;
        base = base.substr(first, last - first);
    }
    if (base.empty()) return "VASK";
    for (size_t i = 0; i < base.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(base[i]);
        if (platform::IsAnsiLeadByte(c) && i + 1 < base.size()) {
            ++i;  // a double-byte character: its second byte is not a character of its own
            continue;
        }
        if (IsControl(c) || std::strchr("<>:\"|?*", c)) base[i] = '_';
    }
    if (IsReservedDeviceName(base)) base.insert(std::min(base.find('.'), base.size()), "_");
    return base;
}

void CCabrilloLog::AddQsoLine(const std::string& call, int freqKHz, const std::string& mode,
                              const COleDateTime& qsoTime, const std::string& rstSent,
                              const std::string& exchSent, const std::string& rstReceived,
                              const std::string& exchReceived) {
    if (mode != "RY") return;
    const std::string when = qsoTime.Format("%Y-%m-%d %H%M");
    const std::string own = OneLineValue(callsign), sent = OneLineValue(rstSent),
                      xsent = OneLineValue(exchSent), worked = OneLineValue(call),
                      received = OneLineValue(rstReceived), xreceived = OneLineValue(exchReceived);
    const char* const format = "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n";
    const int length = std::snprintf(nullptr, 0, format, freqKHz, mode.c_str(), when.c_str(),
                                     own.c_str(), sent.c_str(), xsent.c_str(), worked.c_str(),
                                     received.c_str(), xreceived.c_str());
    if (length < 0) return;
    std::string line(size_t(length) + 1, '\0');
    std::snprintf(line.data(), line.size(), format, freqKHz, mode.c_str(), when.c_str(),
                  own.c_str(), sent.c_str(), xsent.c_str(), worked.c_str(), received.c_str(),
                  xreceived.c_str());
    line.resize(size_t(length));
    qsoLines.push_back(std::move(line));
}

std::string CCabrilloLog::FileText(long long claimedScore, const std::string& hostVersion) const {
    std::string text;
    auto line = [&text](const char* tag, const std::string& value) {
        text += tag;
        text += OneLineValue(value);
        text += "\r\n";
    };
    line("START-OF-LOG: 3.0", "");
    line("ARRL-SECTION: ", location);
    line("CALLSIGN: ", callsign);
    line("CATEGORY: ", categoryOperator);
    line("CATEGORY-ASSISTED: ", categoryAssisted);
    line("CATEGORY-BAND: ", categoryBand);
    line("CATEGORY-MODE: ", categoryMode);
    line("CATEGORY-POWER: ", categoryPower);
    if (categoryOperator == "MULTI-OP") line("CATEGORY-TRANSMITTER: ", categoryTransmitter);
    line("CLAIMED-SCORE: ", std::to_string(claimedScore));
    line("CLUB: ", club);
    line("CONTEST: ZOVA RTTY CONTEST", "");
    line("OPERATORS: ", operators);
    line("NAME: ", name);
    text += "ADDRESS: " + ContinuedValue(address, "ADDRESS: ") + "\r\n";
    line("ADDRESS-CITY: ", addressCity);
    line("ADDRESS-POSTALCODE: ", addressPostalCode);
    line("ADDRESS-COUNTRY: ", addressCountry);
    line("CREATED-BY: Dorv ", hostVersion);
    line("EMAIL: ", email);
    text += "SOAPBOX: " + ContinuedValue(soapbox, "SOAPBOX: ") + "\r\n";
    for (const std::string& qso : qsoLines) text += qso;
    text += "END-OF-LOG:\r\n";
    return text;
}

std::string CCabrilloLog::WriteCabrilloFile(long long claimedScore, const std::string& hostVersion) {
    const std::string fileName = fileBase + ".cbr";
    const std::string text = FileText(claimedScore, hostVersion);
    qsoLines.clear();

    // Binary: the text already has its CR LF line ends. Shared: other programs
    // may keep the file open.
    errno = 0;
    std::FILE* file = platform::OpenShared(fileName, "wb");
    if (!file) return "Could not create the file " + fileName + ": " + std::strerror(errno);
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fflush(file) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = writeError ? writeError : errno;
        return "Could not write the file " + fileName + ": " +
               (error ? std::strerror(error) : "write error");
    }
    return "File produced: " + fileName;
}
