#pragma once
// The rejected-QSO journal: one line per rejected QSO and per stored
// duplicate, in the order of the AddData0 calls, after a header line.
// The lines are kept in memory as well, so a deletion rewrites the file from
// them instead of reading it back and guessing which line was meant.
#include <string>
#include <string_view>
#include <vector>

#include "log/qso_args.h"
#include "log/qso_index.h"

enum class JournalMarker { wrongBand, wrongMode, noRxNumber, dupe };

// "   WRONG BAND !!!", "   WRONG MODE !!!", "   NO RX NUMBER !!!", "   DUPE !!!".
std::string_view MarkerText(JournalMarker marker);

// Header of a journal rewritten after a deletion (two trailing blanks; the
// reset writes it with one).
inline constexpr char kRewrittenJournalHeader[] = "ZOVA WW RTTY CONTEST UBN file  ";

struct JournalEntry {
    QsoSeq seq = 0;  // the AddData0 call that wrote the line
    JournalMarker marker = JournalMarker::dupe;
    std::string line;
    // A rejected QSO's match key for its deletion. A DUPE line follows its
    // stored record instead (same seq).
    std::string call;
    std::string band;
    std::string mode;
    COleDateTime qsoTime;
};

// "QSO:  kHz  mode  YYYY-MM-DD HHMM  own  rstS  exchS  call  rstR  exchR" and
// the marker. A line break inside a host text would split the QSO over two
// lines, so CR and LF become blanks.
std::string JournalLine(const QsoArgs& qso, JournalMarker marker);

// Appends one line (opened, written, flushed and closed). No name: nothing.
void AppendJournalLine(const std::string& journalName, const std::string& line);

// Writes the rewritten header and the entries' lines to a temporary file and
// renames it over the journal. If the rename is refused (another program
// holds the journal open), the journal is rewritten in place instead.
// False when the journal could not be written; it is then left as it was.
bool RewriteJournal(const std::string& journalName, const std::vector<JournalEntry>& entries);

// A QSO line that carries a rejection marker (WRONG BAND, WRONG MODE,
// NO RX NUMBER) at its end. The header, DUPE lines and empty lines are not.
bool IsBadQsoLine(std::string_view line);

// Bad-QSO lines in the journal file; 0 when it cannot be read.
int CountBadQsos(const std::string& journalName);
