#pragma once
// QSO intake: AddData0 admits or rejects a QSO and marks duplicates;
// RemoveData0 takes a deleted QSO out again. Both keep the journal in step.
#include <string>

#include "log/contest_log.h"
#include "log/contest_rules.h"
#include "log/qso_args.h"

struct IntakeRules {
    const CContestRules& bands;
    const CContestRules& modes;
};

// Band, mode and exchange checks, then the duplicate test; 1 when the QSO was
// stored (counted or duplicate), 0 when it was rejected. A rejected QSO and a
// duplicate leave a line in the journal.
int AddQso(ContestLog& log, const IntakeRules& rules, const std::string& journalName,
           const QsoArgs& qso);

// Deletes one QSO: the stored record or the rejected QSO with exactly this
// call, band, mode and time (the earliest where several match; a QSO the
// checks would reject is looked for among the rejected ones first). When a
// counted QSO goes, its first remaining duplicate becomes the counted one.
// The journal is then rewritten from what remains.
void RemoveQso(ContestLog& log, const IntakeRules& rules, const std::string& journalName,
               const QsoArgs& qso);
