#pragma once
// ADIF (.adi) logs: data specifiers <NAME:LENGTH[:TYPE]>value, records ended
// by <EOR>, an optional header ended by <EOH>.
#include <string_view>

#include "log_qso.h"

// Reads every record of an ADI text into QSOs. Throws LogError naming the
// record and line for a malformed field length, a field running past the end,
// a record without <EOR>, or a QSO date/time/frequency that cannot be read.
// A pure function of the text: safe on any bytes.
ParsedLog ReadAdif(std::string_view text);
