#pragma once
// Everything the plug-in keeps between calls, in one process-wide record.
// One mutex guards it: the host's thread holds it for the body of each export,
// the companion thread only to copy what it reads or store what it writes.
// Nobody holds it across a window message send, a modal dialog, a message box
// or a wait.
#include <array>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_log.h"
#include "log/cinfo.h"
#include "log/contest_log.h"
#include "log/contest_rules.h"
#include "platform/companion.h"
#include "platform/settings_file.h"

struct WindowPosition {
    int x = 0;
    int y = 0;
};

// The log's members (qsoLog, workedBands, multLists and their indexes) come
// from ContestLog.
struct ContestState : ContestLog {
    std::mutex lock;

    std::string ownCall;
    std::string periodStartText;  // start "%d.%m"
    std::string periodEndText;    // end "%d.%m.%Y"
    std::string contestYear;      // start "%Y"
    std::string hostVersion;
    int russianUi = 0;      // only ever set to 1
    int htmlResult = 0;     // only ever set to 1
    int cabrilloExport = 0;
    std::string badQsoJournalName;

    const CContestRules bandRules = MakeBandRules();
    const CContestRules modeRules = MakeModeRules();
    std::array<std::vector<std::string>, kBandSlots> prevQsoGrid;
    std::vector<std::string> callHistory;
    std::string currentCall;

    long long claimedScore = 0;
    int badQsoCount = 0;
    std::string resultText;

    const std::string settingsSection = "Settings";
    const std::string settingsFile = "Plugins\\ZOVA-RTTY.ini";

    CCabrilloLog cabrillo;

    // Companion windows: set and cleared by the companion thread.
    std::atomic<platform::WindowHandle> setupWindow{nullptr};
    std::atomic<platform::WindowHandle> multWindow{nullptr};
    std::atomic<platform::WindowHandle> prevQsoWindow{nullptr};
    int windowsOnTop = 0;
    WindowPosition lastWindowPos;
    std::vector<std::string> windowBands;
    void* hostApp = nullptr;
    std::atomic<int> refreshReady{1};
    int currentBandIndex = -1;
    double lastSpotFrequency = 0.0;

    // How many times a reset asked for the companion thread (observable in tests
    // on platforms where the thread cannot exist).
    int companionStartRequests = 0;

    platform::SettingsFile Settings() const { return {settingsFile, settingsSection}; }
};

// The one instance, created at load and destroyed at unload.
ContestState& State();

// Host settings file, language and call history (run inside a reset).
void DetectHostVersion(ContestState& state, const std::string& searchPattern);
void ChooseLanguage(ContestState& state, const std::string& ownPrefix);
void LoadCallHistory(ContestState& state);

// Rows of prevQsoGrid after a reset: band row title, then "-" four times.
void ResetPrevQsoGrid(ContestState& state);

// A null text pointer from the host reads as empty text.
inline const char* TextOrEmpty(const char* text) { return text ? text : ""; }
