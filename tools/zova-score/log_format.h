#pragma once
// Which kind of log a text is, decided by its content (never by file name),
// and reading it with the matching reader.
#include <optional>
#include <string_view>

#include "log_qso.h"

// Cabrillo when the first non-blank line is START-OF-LOG:, ADIF when the text
// holds an <EOH>, <EOR> or <CALL: tag, else Cabrillo when a line begins with
// QSO:; nothing when it is neither.
std::optional<LogFormat> DetectLogFormat(std::string_view text);

// Detects the format and reads the log. Throws LogError for a text that is no
// log, for the readers' errors, and for a log without a single QSO. The own
// call defaults to the first record naming one.
ParsedLog ReadLog(std::string_view text);
