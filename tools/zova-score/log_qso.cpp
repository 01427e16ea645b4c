#include "log_qso.h"

#include <string_view>

namespace {
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
}  // namespace

std::string Trim(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsSpace(text[begin])) ++begin;
    while (end > begin && IsSpace(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return out;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

bool IsValidDateTime(int year, int month, int day, int hour, int minute, int second) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= days && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 &&
           second < 60;
}

std::string DescribeEmptyFields(const std::vector<LogQso>& qsos) {
    struct Field {
        const char* name;
        std::string LogQso::*member;
        size_t count = 0;
    };
    Field fields[] = {{"call", &LogQso::call},
                      {"band", &LogQso::band},
                      {"mode", &LogQso::mode},
                      {"RST sent", &LogQso::rstSent},
                      {"RST received", &LogQso::rstReceived},
                      {"exchange sent", &LogQso::exchSent},
                      {"exchange received", &LogQso::exchReceived}};
    size_t lacking = 0;
    for (const LogQso& qso : qsos) {
        bool any = false;
        for (Field& field : fields)
            if ((qso.*field.member).empty()) {
                ++field.count;
                any = true;
            }
        if (any) ++lacking;
    }
    if (lacking == 0) return {};
    std::string text = std::to_string(lacking) + (lacking == 1 ? " QSO lacks" : " QSOs lack") +
                       " fields passed as empty text (";
    bool first = true;
    for (const Field& field : fields) {
        if (!field.count) continue;
        if (!first) text += ", ";
        text += field.name + std::string(" ") + std::to_string(field.count);
        first = false;
    }
    return text + ")";
}
