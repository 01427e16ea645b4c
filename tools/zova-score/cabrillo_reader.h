#pragma once
// Cabrillo 3.0 logs: "TAG: value" header lines and QSO lines
//   QSO: freq mo yyyy-mm-dd hhmm own-call rst-sent exch-sent call rst-rcvd exch-rcvd [t]
#include <string_view>

#include "log_qso.h"

// Reads the CALLSIGN header and every QSO line (X-QSO lines are left out, as
// the log checker leaves them out; nothing after END-OF-LOG is read). Throws
// LogError naming the line for a QSO line that does not parse. Mode RY is the
// host's RTTY, PH its SSB. A pure function of the text: safe on any bytes.
ParsedLog ReadCabrillo(std::string_view text);
