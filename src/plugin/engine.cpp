#include "plugin/engine.h"

#include "log/journal.h"
#include "log/scoring.h"
#include "log/summary.h"

namespace {
IntakeRules Rules(const ContestState& state) { return {state.bandRules, state.modeRules}; }
}  // namespace

void ClearLog(ContestState& state) { state.ContestLog::Clear(); }

int AddQso(ContestState& state, const QsoArgs& qso) {
    return AddQso(state, Rules(state), state.badQsoJournalName, qso);
}

void RemoveQso(ContestState& state, const QsoArgs& qso) {
    RemoveQso(state, Rules(state), state.badQsoJournalName, qso);
}

int CheckCall(ContestState& state, const CallCheckArgs& args) {
    // Posted, never sent: the companion thread takes the lock to read.
    // refreshReady goes back to 1 when the refresh ends; a post that failed
    // never reaches that point, so the next call may try again.
    if (platform::WindowHandle setup = state.setupWindow.load()) {
        if (state.refreshReady.exchange(0) != 0 && !platform::PostRefresh(setup))
            state.refreshReady.store(1);
    }
    return CheckCall(state, state.bandRules, state.modeRules, state.hostVersion, args);
}

void ComputeResult(ContestState& state) {
    state.badQsoCount = CountBadQsos(state.badQsoJournalName);
    const ScoreSheet sheet = ScoreLog(state, !state.cabrilloExport);

    SummaryHeading heading;
    heading.periodStart = state.periodStartText;
    heading.periodEnd = state.periodEndText;
    heading.ownCall = state.ownCall;
    heading.badQsos = state.badQsoCount;
    state.resultText = state.htmlResult ? HtmlSummary(sheet, heading) : PlainSummary(sheet, heading);

    state.claimedScore = sheet.score;
    state.Settings().Write("Claimed", std::to_string(sheet.score));
}
