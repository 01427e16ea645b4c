#pragma once
// What the contract tests of the log expect to find in the journal and the
// summaries, and where the golden summaries live.
#include <string>

#include "host_calls.h"

inline constexpr char kResetHeader[] = "ZOVA WW RTTY CONTEST UBN file \r\n";
inline constexpr char kRewrittenHeader[] = "ZOVA WW RTTY CONTEST UBN file  \r\n";
inline constexpr char kWrongBand[] = "   WRONG BAND !!!";
inline constexpr char kWrongMode[] = "   WRONG MODE !!!";
inline constexpr char kNoRxNumber[] = "   NO RX NUMBER !!!";
inline constexpr char kDupe[] = "   DUPE !!!";

// The journal line of a QSO with a marker, CR LF included.
std::string JournalLineOf(const HostQso& qso, const char* marker);

// A golden file of tests/golden, as a path the test program can open (under
// Wine the source tree is reached through drive Z:).
std::string GoldenPath(const std::string& name);

// The text between two markers of `text` ("" when either is missing).
std::string Between(const std::string& text, const std::string& from, const std::string& to);
