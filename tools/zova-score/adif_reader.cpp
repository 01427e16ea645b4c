#include "adif_reader.h"

#include <map>

#include "band_plan.h"

namespace {

// Tracks the 1-based line of an offset, moving forward only.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}
    size_t LineAt(size_t offset) {
        for (; pos_ < offset && pos_ < text_.size(); ++pos_)
            if (text_[pos_] == '\n') ++line_;
        return line_;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
    size_t line_ = 1;
};

// A tag's text for a message: at most 40 characters, non-printable bytes as '?'.
std::string Shown(std::string_view tag) {
    std::string out;
    for (char c : tag.substr(0, 40)) out += (c >= 0x20 && c < 0x7f) ? c : '?';
    if (tag.size() > 40) out += "...";
    return out;
}

size_t FindNoCase(std::string_view text, std::string_view needle, size_t from = 0) {
    if (needle.size() > text.size()) return std::string_view::npos;
    for (size_t i = from; i + needle.size() <= text.size(); ++i) {
        size_t k = 0;
        while (k < needle.size()) {
            char c = text[i + k];
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
            if (c != needle[k]) break;
            ++k;
        }
        if (k == needle.size()) return i;
    }
    return std::string_view::npos;
}

using Fields = std::map<std::string, std::string>;  // upper-case name -> value

struct Record {
    size_t number = 0;
    size_t line = 0;
    Fields fields;
};

std::string Where(const Record& record) {
    return "record " + std::to_string(record.number) + " (line " + std::to_string(record.line) + ")";
}

const std::string* Find(const Fields& fields, const char* name) {
    const auto it = fields.find(name);
    return it == fields.end() ? nullptr : &it->second;
}

std::string FirstOf(const Fields& fields, const char* preferred, const char* fallback) {
    if (const std::string* value = Find(fields, preferred); value && !Trim(*value).empty())
        return Trim(*value);
    if (const std::string* value = Find(fields, fallback)) return Trim(*value);
    return {};
}

bool AllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

LogQso ToQso(const Record& record) {
    const Fields& f = record.fields;
    LogQso qso;
    qso.record = record.number;
    qso.line = record.line;
    qso.call = Upper(FirstOf(f, "CALL", "CALL"));

    const std::string* date = Find(f, "QSO_DATE");
    if (!date) throw LogError(Where(record) + ": no QSO_DATE field");
    const std::string d = Trim(*date);
    if (d.size() != 8 || !AllDigits(d))
        throw LogError(Where(record) + ": QSO_DATE '" + Shown(d) + "' is not a date (YYYYMMDD)");
    qso.year = std::stoi(d.substr(0, 4));
    qso.month = std::stoi(d.substr(4, 2));
    qso.day = std::stoi(d.substr(6, 2));

    const std::string* time = Find(f, "TIME_ON");
    if (!time) throw LogError(Where(record) + ": no TIME_ON field");
    const std::string t = Trim(*time);
    if ((t.size() != 4 && t.size() != 6) || !AllDigits(t))
        throw LogError(Where(record) + ": TIME_ON '" + Shown(t) + "' is not a time (HHMM or HHMMSS)");
    qso.hour = std::stoi(t.substr(0, 2));
    qso.minute = std::stoi(t.substr(2, 2));
    qso.second = t.size() == 6 ? std::stoi(t.substr(4, 2)) : 0;
    if (!IsValidDateTime(qso.year, qso.month, qso.day, qso.hour, qso.minute, qso.second))
        throw LogError(Where(record) + ": QSO_DATE " + d + " TIME_ON " + t + " is not a valid date and time");

    if (const std::string* freq = Find(f, "FREQ"); freq && !Trim(*freq).empty()) {
        const auto hz = ParseMegahertz(*freq);
        if (!hz)
            throw LogError(Where(record) + ": FREQ '" + Shown(Trim(*freq)) +
                           "' is not a frequency in MHz");
        qso.freqHz = *hz;
    }
    if (const std::string* band = Find(f, "BAND"); band && !Trim(*band).empty())
        qso.band = NormalizeBand(*band);
    else if (qso.freqHz)
        qso.band = BandFromFrequency(qso.freqHz);

    qso.mode = Upper(FirstOf(f, "MODE", "MODE"));
    qso.rstSent = FirstOf(f, "RST_SENT", "RST_SENT");
    qso.rstReceived = FirstOf(f, "RST_RCVD", "RST_RCVD");
    qso.exchSent = FirstOf(f, "STX_STRING", "STX");
    qso.exchReceived = FirstOf(f, "SRX_STRING", "SRX");
    qso.ownCall = Upper(FirstOf(f, "STATION_CALLSIGN", "OPERATOR"));
    return qso;
}

}  // namespace

ParsedLog ReadAdif(std::string_view text) {
    ParsedLog log;
    log.format = LogFormat::adif;
    LineCounter lines(text);

    // The header is free text up to <EOH>; it may hold '<' that is no tag.
    size_t pos = 0;
    if (const size_t eoh = FindNoCase(text, "<eoh>"); eoh != std::string_view::npos)
        pos = eoh + 5;

    Record current;
    size_t records = 0;
    while (true) {
        const size_t open = text.find('<', pos);
        if (open == std::string_view::npos) break;
        if (current.fields.empty() && current.number == 0) {
            current.number = records + 1;
            current.line = lines.LineAt(open);
        }
        // Name up to ':' or '>'.
        size_t i = open + 1;
        while (i < text.size() && text[i] != ':' && text[i] != '>' && text[i] != '<') ++i;
        if (i >= text.size() || text[i] == '<')
            throw LogError(Where(current) + ": tag '" + Shown(text.substr(open, i - open)) +
                           "' at line " + std::to_string(lines.LineAt(open)) + " is not closed");
        const std::string name = Upper(Trim(text.substr(open + 1, i - open - 1)));
        if (text[i] == '>') {
            pos = i + 1;
            if (name == "EOR") {
                if (!current.fields.empty()) {
                    log.qsos.push_back(ToQso(current));
                    ++records;
                }
                current = Record{};
            } else if (name == "EOH") {
                current = Record{};  // a second header end: what came before was header too
            } else {
                throw LogError(Where(current) + ": malformed field length in '" +
                               Shown(text.substr(open, i + 1 - open)) + "' (no length)");
            }
            continue;
        }
        // The specifier ends at '>': LENGTH, then an optional ":TYPE".
        size_t close = i + 1;
        while (close < text.size() && text[close] != '>' && text[close] != '<') ++close;
        if (close >= text.size() || text[close] != '>')
            throw LogError(Where(current) + ": tag '" + Shown(text.substr(open, close - open)) +
                           "' at line " + std::to_string(lines.LineAt(open)) + " is not closed");
        size_t j = i + 1;
        unsigned long long length = 0;
        bool overflow = false;
        while (j < close && text[j] >= '0' && text[j] <= '9') {
            length = length * 10 + unsigned(text[j] - '0');
            if (length > text.size()) overflow = true;
            ++j;
        }
        if (j == i + 1 || (j != close && text[j] != ':') || name.empty())
            throw LogError(Where(current) + ": malformed field length in '" +
                           Shown(text.substr(open, close + 1 - open)) + "'");
        const size_t valueStart = close + 1;
        if (overflow || length > text.size() - valueStart)
            throw LogError(Where(current) + ": field '" + Shown(text.substr(open, valueStart - open)) +
                           "' runs past the end of the file");
        current.fields[name] = std::string(text.substr(valueStart, size_t(length)));
        pos = valueStart + size_t(length);
    }
    if (!current.fields.empty())
        throw LogError(Where(current) + " has no <EOR>: the file ends inside it");
    return log;
}
