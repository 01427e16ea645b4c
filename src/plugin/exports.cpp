// The exported functions. Each body runs under the state's lock; modal UI
// (the Cabrillo header form, message boxes) and the companion thread's start
// run with the lock released.
#include <cstdlib>
#include <cstring>

#include "platform/message_box.h"
#include "platform/text_file.h"
#include "plugin/contest_state.h"
#include "plugin/engine.h"
#include "plugin/stats_api.h"

namespace {

const char kSetName[] = "ZOVA WW RTTY CONTEST(C) ";
const char kJournalHeader[] = "ZOVA WW RTTY CONTEST UBN file ";

bool IsCompanionBlockedVersion(const std::string& version) {
    static const char* const kOldHosts[] = {"2.18", "2.17", "2.16", "2.15", "2.14", "2.14R"};
    for (const char* old : kOldHosts)
        if (version == old) return true;
    return false;
}

QsoArgs ReadQso(CStr ownCall, CStr call, ODate qsoTime, unsigned freqHz, CStr mode, CStr rstSent,
                CStr rstReceived, CStr exchSent, CStr exchReceived, CStr band) {
    QsoArgs qso;
    qso.ownCall = TextOrEmpty(ownCall);
    qso.call = TextOrEmpty(call);
    qso.qsoTime = DateOrNull(qsoTime);
    qso.freqHz = freqHz;
    qso.mode = TextOrEmpty(mode);
    qso.rstSent = TextOrEmpty(rstSent);
    qso.rstReceived = TextOrEmpty(rstReceived);
    qso.exchSent = TextOrEmpty(exchSent);
    qso.exchReceived = TextOrEmpty(exchReceived);
    qso.band = TextOrEmpty(band);
    return qso;
}

}  // namespace

extern "C" {

unsigned long STATS_CALL setVersion(CStr) {
    ContestState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    state.htmlResult = 1;
    return 0;
}

int STATS_CALL GetNumberOfSets(void) { return 1; }

CStr STATS_CALL GetSetName(int index) { return index == 0 ? kSetName : ""; }

int STATS_CALL GetExchgCount0(CStr, CStr, CStr) { return 1; }

int STATS_CALL IsValidExchg0(CStr exchange, CStr, CStr, CStr, int, int, int) {
    if (!exchange || std::strlen(exchange) != 4) return 0;
    for (int i = 0; i < 4; ++i)
        if (exchange[i] < '0' || exchange[i] > '9') return 0;
    return 1;
}

void STATS_CALL SetupSet0(void) {
    platform::ShowMessageBox("No additional setup for this plugin", nullptr,
                             platform::MessageIcon::none);
}

int STATS_CALL ResetStats0(CStr folder, int cabrilloExport, CStr ownCall, ODate start, ODate end,
                           CStr, CStr, CStr, CStr, CStr, CStr, CStr, CStr, CStr, CStr ownPrefix,
                           int, int, int, double, double, CStr, CStr, CStr) {
    ContestState& state = State();
    const std::string hostCall = TextOrEmpty(ownCall);
    const COleDateTime startDate = DateOrNull(start);
    const COleDateTime endDate = DateOrNull(end);
    {
        std::lock_guard<std::mutex> guard(state.lock);
        const std::string pattern = std::string(TextOrEmpty(folder)) + "*.ini";
        state.periodStartText = startDate.Format("%d.%m");
        state.contestYear = startDate.Format("%Y");
        state.periodEndText = endDate.Format("%d.%m.%Y");
        DetectHostVersion(state, pattern);
        ClearLog(state);
        state.ownCall = hostCall;
        ChooseLanguage(state, TextOrEmpty(ownPrefix));
        LoadCallHistory(state);
        ResetPrevQsoGrid(state);
        state.cabrilloExport = cabrilloExport;
    }

    // The header form is modal: it runs without the lock. Only this thread
    // touches the Cabrillo store.
    if (cabrilloExport) {
        const bool confirmed = state.cabrillo.EditCabrilloHeader(hostCall.c_str(), state.Settings());
        std::lock_guard<std::mutex> guard(state.lock);
        if (!confirmed) state.cabrilloExport = 0;
        state.Settings().Write("Start", "1");
    }

    bool startCompanion = false;
    {
        std::lock_guard<std::mutex> guard(state.lock);
        const platform::SettingsFile settings = state.Settings();
        if (settings.ReadInt("Start") != 0) {
            settings.Write("Start", "0");
        } else if (!state.setupWindow.load()) {
            if (!IsCompanionBlockedVersion(state.hostVersion)) {
                startCompanion = true;
                ++state.companionStartRequests;
            }
            settings.Write("Start", "1");
        }

        state.badQsoJournalName = "BadQSO_StatsZOVARTTY_" + endDate.Format("%d_%m_%Y") + ".txt";
        platform::TextFileWriter journal(state.badQsoJournalName,
                                         platform::TextFileWriter::Mode::truncate);
        journal.WriteLine(kJournalHeader);
    }
    if (startCompanion) platform::StartCompanionThread();
    return 1;
}

int STATS_CALL AddData0(CStr ownCall, CStr call, ODate qsoTime, ODate, ODate, ODate, unsigned,
                        unsigned freqHz, CStr mode, CStr rstSent, CStr rstReceived, CStr exchSent,
                        CStr exchReceived, CStr, CStr, CStr, CStr, CStr, CStr, CStr, CStr, CStr,
                        CStr, int, int, int, double, double, CStr, CStr, CStr, CStr band, CStr) {
    ContestState& state = State();
    const QsoArgs qso = ReadQso(ownCall, call, qsoTime, freqHz, mode, rstSent, rstReceived,
                                exchSent, exchReceived, band);
    std::lock_guard<std::mutex> guard(state.lock);
    return AddQso(state, qso);
}

int STATS_CALL RemoveData0(CStr ownCall, CStr call, ODate qsoTime, ODate, ODate, ODate, unsigned,
                           unsigned freqHz, CStr mode, CStr rstSent, CStr rstReceived,
                           CStr exchSent, CStr exchReceived, CStr, CStr, CStr, CStr, CStr, CStr,
                           CStr, CStr, CStr, CStr, int, int, int, double, double, CStr, CStr, CStr,
                           CStr band, CStr) {
    ContestState& state = State();
    const QsoArgs qso = ReadQso(ownCall, call, qsoTime, freqHz, mode, rstSent, rstReceived,
                                exchSent, exchReceived, band);
    std::lock_guard<std::mutex> guard(state.lock);
    RemoveQso(state, qso);
    if (platform::WindowHandle setup = state.setupWindow.load()) platform::PostRefresh(setup);
    return 1;
}

int STATS_CALL CheckCall0(CStr call, unsigned, unsigned, CStr mode, CStr, CStr, CStr, CStr, CStr,
                          CStr, CStr, CStr, CStr, CStr prefix, int, int, int, double, double, CStr,
                          CStr, CStr, CStr, CStr, CStr band, CStr secondBand, char*, char*) {
    ContestState& state = State();
    CallCheckArgs args;
    args.call = TextOrEmpty(call);
    args.mode = TextOrEmpty(mode);
    args.prefix = TextOrEmpty(prefix);
    args.band = band;
    args.secondBand = secondBand;
    std::lock_guard<std::mutex> guard(state.lock);
    return CheckCall(state, args);
}

CStr STATS_CALL GetResult0(int* out) {
    ContestState& state = State();
    std::string report;
    const char* result;
    {
        std::lock_guard<std::mutex> guard(state.lock);
        ComputeResult(state);
        if (state.cabrilloExport) {
            for (const CInfo& qso : state.qsoLog)
                state.cabrillo.AddQsoLine(qso.call, qso.freqKHz, "RY", qso.qsoTime, qso.rstSent,
                                          qso.exchSent, qso.rstReceived, qso.exchReceived);
            report = state.cabrillo.WriteCabrilloFile(state.claimedScore, state.hostVersion);
        }
        result = state.resultText.c_str();
    }
    if (!report.empty())
        platform::ShowMessageBox(report, "Output", platform::MessageIcon::information);
    if (out) *out = -1;
    return result;
}

}  // extern "C"
