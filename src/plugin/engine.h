#pragma once
// The scoring engine as the exports call it. Each function runs with the
// state's lock held by the caller.
#include <string_view>

#include "plugin/contest_state.h"

// One QSO as AddData0 / RemoveData0 receive it (null texts already read as empty).
struct QsoArgs {
    std::string_view ownCall;
    std::string_view call;
    COleDateTime qsoTime;
    unsigned freqHz = 0;
    std::string_view mode;
    std::string_view rstSent;
    std::string_view rstReceived;
    std::string_view exchSent;
    std::string_view exchReceived;
    std::string_view band;
};

struct CallCheckArgs {
    std::string_view call;
    std::string_view mode;
    std::string_view prefix;
    const char* band = nullptr;        // may be null: then the two bands are not compared
    const char* secondBand = nullptr;
};

// Empties the log and its indexes (part of a reset).
void ClearLog(ContestState& state);

int AddQso(ContestState& state, const QsoArgs& qso);
void RemoveQso(ContestState& state, const QsoArgs& qso);
int CheckCall(ContestState& state, const CallCheckArgs& args);

// Computes the summary into state.resultText and everything GetResult0 stores.
// The Cabrillo export and its message box are the caller's (outside the lock).
void ComputeResult(ContestState& state);
