#pragma once
// One QSO as read from a log file, in the texts the host would pass to the
// plug-in, and the error every reader throws for input it cannot read.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

struct LogQso {
    size_t record = 0;  // 1-based: ADIF record number, or Cabrillo QSO-line number
    size_t line = 0;    // 1-based line where the record starts
    std::string call;
    std::string band;  // "20m": lower case, as the host spells bands
    std::string mode;  // "RTTY"
    std::string rstSent;
    std::string rstReceived;
    std::string exchSent;
    std::string exchReceived;
    std::string ownCall;  // the record's own station, when the log names one
    unsigned freqHz = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

enum class LogFormat { adif, cabrillo };

struct ParsedLog {
    LogFormat format = LogFormat::adif;
    std::string ownCall;  // from the log's header or its first record naming one
    std::vector<LogQso> qsos;
};

// What a reader reports: where (record/line) and what is wrong. The caller
// puts the file name in front.
class LogError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The texts the host passes as empty for this log: "" when none is empty,
// else e.g. "2 QSOs lack fields passed as empty text (band 1, exchange received 1)".
std::string DescribeEmptyFields(const std::vector<LogQso>& qsos);

// Whitespace trimmed at both ends; ASCII upper/lower case of a text.
std::string Trim(std::string_view text);
std::string Upper(std::string_view text);
std::string Lower(std::string_view text);

// A calendar date and time of day that exist (years 1900..9999).
bool IsValidDateTime(int year, int month, int day, int hour, int minute, int second);
