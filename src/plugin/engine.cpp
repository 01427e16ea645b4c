#include "plugin/engine.h"

void ClearLog(ContestState& state) {
    state.qsoLog.clear();
    state.workedBands.clear();
}

int AddQso(ContestState&, const QsoArgs&) { return 0; }
void RemoveQso(ContestState&, const QsoArgs&) {}
int CheckCall(ContestState&, const CallCheckArgs&) { return 2; }
void ComputeResult(ContestState& state) { state.resultText.clear(); }
