#pragma once
// The contest log and the lists the intake and the scoring keep beside it.
// ContestState embeds it, so its members keep their names there
// (state.qsoLog, state.workedBands, state.multLists).
#include <array>
#include <string>
#include <vector>

#include "log/cinfo.h"
#include "log/contest_rules.h"
#include "log/journal.h"
#include "log/qso_index.h"

struct ContestLog {
    // Stored QSOs (counted and duplicates) in the order AddData0 stored them.
    std::vector<CInfo> qsoLog;
    // Band texts that passed the band check, each once, in order of first
    // appearance; the scoring sorts them.
    std::vector<std::string> workedBands;
    // Distinct multiplier keys per band slot, rebuilt by the scoring.
    std::array<std::vector<std::string>, kBandSlots> multLists;

    // Bookkeeping behind the log, kept in step with qsoLog by the intake:
    std::vector<QsoSeq> recordSeq;      // sequence number of each qsoLog record
    QsoIndex index;                     // lookups by (call, band, mode) and (call, band)
    std::vector<JournalEntry> journal;  // the journal's QSO lines, in AddData0 order
    QsoSeq nextSeq = 0;

    // Empties the log, the worked bands and the bookkeeping (a reset).
    // The multiplier lists stay: only the scoring and an emptied log clear them.
    void Clear() {
        qsoLog.clear();
        workedBands.clear();
        recordSeq.clear();
        index.Clear();
        journal.clear();
        nextSeq = 0;
    }
};
