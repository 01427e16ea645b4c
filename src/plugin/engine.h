#pragma once
// The scoring engine as the exports call it. Each function runs with the
// state's lock held by the caller.
#include "log/call_check.h"
#include "log/intake.h"
#include "plugin/contest_state.h"

// Empties the log and its indexes (part of a reset).
void ClearLog(ContestState& state);

int AddQso(ContestState& state, const QsoArgs& qso);
void RemoveQso(ContestState& state, const QsoArgs& qso);

// Posts the companion windows' refresh (at most one queued at a time), then
// answers the call check.
int CheckCall(ContestState& state, const CallCheckArgs& args);

// Computes the summary into state.resultText and everything GetResult0 stores.
// The Cabrillo export and its message box are the caller's (outside the lock).
void ComputeResult(ContestState& state);
