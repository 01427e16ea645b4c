#include <algorithm>

#include "platform/file_search.h"
#include "platform/text_file.h"
#include "plugin/contest_state.h"

void DetectHostVersion(ContestState& state, const std::string& searchPattern) {
    const std::vector<std::string> names = platform::FindFiles(searchPattern);
    const bool found = std::any_of(names.begin(), names.end(), [](const std::string& name) {
        return name.find("Dorv2.ini") != std::string::npos;
    });
    if (!found) {
        state.hostVersion = "Dorv";
        return;
    }
    // The bare name resolves against the current directory, not the searched folder.
    const auto lines = platform::ReadTextLines("Dorv2.ini");
    if (!lines) return;
    for (const std::string& line : *lines) {
        if (line.find("Dorv=") != std::string::npos) {
            state.hostVersion = line.size() > 5 ? line.substr(5) : std::string();
            return;
        }
    }
}

void ChooseLanguage(ContestState& state, const std::string& ownPrefix) {
    static const char* const kRussianSpeaking[] = {"UA", "UA2", "UA9", "CE9/KC4", "UR", "UN", "EU"};
    for (const char* prefix : kRussianSpeaking)
        if (ownPrefix == prefix) state.russianUi = 1;
}

void LoadCallHistory(ContestState& state) {
    state.callHistory.clear();
    if (auto lines = platform::ReadTextLines(".\\Plugins\\ZOVA_RTTY_CH.hlp"))
        state.callHistory = std::move(*lines);
}

void ResetPrevQsoGrid(ContestState& state) {
    for (size_t row = 0; row < kBandSlots; ++row)
        state.prevQsoGrid[row] = {state.bandRules[row], "-", "-", "-", "-"};
}
