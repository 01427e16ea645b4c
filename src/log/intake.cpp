#include "log/intake.h"

#include <algorithm>

namespace {

bool Admissible(const IntakeRules& rules, const QsoArgs& qso) {
    return rules.bands.Contains(qso.band) && rules.modes.Contains(qso.mode) &&
           !qso.exchReceived.empty() && !qso.exchSent.empty();
}

void Journal(ContestLog& log, const std::string& journalName, QsoSeq seq, JournalMarker marker,
             const QsoArgs& qso) {
    JournalEntry entry;
    entry.seq = seq;
    entry.marker = marker;
    entry.line = JournalLine(qso, marker);
    if (marker != JournalMarker::dupe) {
        entry.call = qso.call;
        entry.band = qso.band;
        entry.mode = qso.mode;
        entry.qsoTime = qso.qsoTime;
    }
    AppendJournalLine(journalName, entry.line);
    log.journal.push_back(std::move(entry));
}

// Index of the record with this sequence number (the log is sorted by them).
size_t PositionOf(const ContestLog& log, QsoSeq seq) {
    return size_t(std::lower_bound(log.recordSeq.begin(), log.recordSeq.end(), seq) -
                  log.recordSeq.begin());
}

void EraseDupeLine(ContestLog& log, QsoSeq seq) {
    auto it = std::lower_bound(log.journal.begin(), log.journal.end(), seq,
                               [](const JournalEntry& entry, QsoSeq s) { return entry.seq < s; });
    if (it != log.journal.end() && it->seq == seq && it->marker == JournalMarker::dupe)
        log.journal.erase(it);
}

bool RemoveStored(ContestLog& log, const QsoArgs& qso) {
    const long mode = log.index.FindMode(qso.mode);
    if (mode < 0) return false;
    const auto entry = log.index.byCallBand.find(IndexKey(qso.call, qso.band));
    if (entry == log.index.byCallBand.end()) return false;
    IndexedRecords& records = entry->second;

    bool first = true;  // the first of its mode is the counted QSO
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].mode != std::uint32_t(mode)) continue;
        const QsoSeq seq = records[i].seq;
        const size_t position = PositionOf(log, seq);
        if (log.qsoLog[position].qsoTime != qso.qsoTime) {
            first = false;
            continue;
        }
        if (log.qsoLog[position].isDupe) EraseDupeLine(log, seq);
        log.qsoLog.erase(log.qsoLog.begin() + std::ptrdiff_t(position));
        log.recordSeq.erase(log.recordSeq.begin() + std::ptrdiff_t(position));
        records.erase(i);

        // The station stays worked: its next QSO in this mode is now the counted one.
        for (size_t next = i; first && next < records.size(); ++next) {
            if (records[next].mode != std::uint32_t(mode)) continue;
            CInfo& promoted = log.qsoLog[PositionOf(log, records[next].seq)];
            promoted.isDupe = 0;
            promoted.dupeCount = 0;
            EraseDupeLine(log, records[next].seq);
            break;
        }
        if (records.empty()) log.index.byCallBand.erase(entry);
        return true;
    }
    return false;
}

bool RemoveRejected(ContestLog& log, const QsoArgs& qso) {
    const auto it = std::find_if(log.journal.begin(), log.journal.end(), [&](const JournalEntry& e) {
        return e.marker != JournalMarker::dupe && e.call == qso.call && e.band == qso.band &&
               e.mode == qso.mode && e.qsoTime == qso.qsoTime;
    });
    if (it == log.journal.end()) return false;
    log.journal.erase(it);
    return true;
}

}  // namespace

int AddQso(ContestLog& log, const IntakeRules& rules, const std::string& journalName,
           const QsoArgs& qso) {
    const QsoSeq seq = log.nextSeq++;
    if (!rules.bands.Contains(qso.band)) {
        Journal(log, journalName, seq, JournalMarker::wrongBand, qso);
        return 0;
    }
    // The band counts as worked even if the mode or the exchange fails next.
    if (std::find(log.workedBands.begin(), log.workedBands.end(), qso.band) ==
        log.workedBands.end())
        log.workedBands.emplace_back(qso.band);
    if (!rules.modes.Contains(qso.mode)) {
        Journal(log, journalName, seq, JournalMarker::wrongMode, qso);
        return 0;
    }
    if (qso.exchReceived.empty() || qso.exchSent.empty()) {
        Journal(log, journalName, seq, JournalMarker::noRxNumber, qso);
        return 0;
    }

    CInfo record;
    record.call = qso.call;
    record.band = qso.band;
    record.mode = qso.mode;
    record.rstReceived = qso.rstReceived;
    record.rstSent = qso.rstSent;
    record.exchReceived = qso.exchReceived;
    record.exchSent = qso.exchSent;
    record.multKey = qso.exchReceived;
    record.freqKHz = int(qso.freqHz / 1000u);
    record.qsoTime = qso.qsoTime;

    IndexedRecords& records = log.index.byCallBand[IndexKey(qso.call, qso.band)];
    const std::uint32_t mode = log.index.ModeNumber(qso.mode);
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].mode != mode) continue;
        record.isDupe = 1;
        record.dupeCount = 1;
        Journal(log, journalName, seq, JournalMarker::dupe, qso);
        break;
    }
    records.push_back({seq, mode});
    log.qsoLog.push_back(std::move(record));
    log.recordSeq.push_back(seq);
    return 1;
}

void RemoveQso(ContestLog& log, const IntakeRules& rules, const std::string& journalName,
               const QsoArgs& qso) {
    if (Admissible(rules, qso)) {
        if (!RemoveStored(log, qso)) RemoveRejected(log, qso);
    } else {
        if (!RemoveRejected(log, qso)) RemoveStored(log, qso);
    }
    if (log.qsoLog.empty())
        for (auto& list : log.multLists) list.clear();
    RewriteJournal(journalName, log.journal);
}
