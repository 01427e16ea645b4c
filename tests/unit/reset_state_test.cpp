// What a reset leaves in the contest state that no export shows directly:
// the language flag, the call history, the previous-QSO grid, the companion start.
#include <gtest/gtest.h>

#include "plugin/contest_state.h"
#include "plugin/stats_api.h"
#include "support/temp_dir.h"

namespace {

void Reset(const char* prefix, const char* folder = "./", int cabrilloExport = 0) {
    COleDateTime start = COleDateTime::FromParts(2021, 3, 6);
    COleDateTime end = COleDateTime::FromParts(2021, 3, 7);
    const char* e = "";
    ResetStats0(folder, cabrilloExport, "UA9ABC", &start, &end, e, e, e, e, e, e, e, e, e, prefix,
                0, 0, 0, 0.0, 0.0, e, e, e);
}

}  // namespace

TEST(ResetState, RussianTextsFollowTheOwnPrefixAndStay) {
    ScopedWorkDir dir;
    ContestState& state = State();
    state.russianUi = 0;
    const struct {
        const char* prefix;
        int russian;
    } cases[] = {{"DL", 0}, {"ua", 0}, {"UA1", 0}, {"UA ", 0}, {"UA", 1}, {"UA2", 1}, {"UA9", 1},
                 {"CE9/KC4", 1}, {"UR", 1}, {"UN", 1}, {"EU", 1}};
    for (const auto& c : cases) {
        state.russianUi = 0;
        Reset(c.prefix);
        EXPECT_EQ(state.russianUi, c.russian) << c.prefix;
    }
    Reset("UA9");
    Reset("DL");
    EXPECT_EQ(state.russianUi, 1) << "never cleared by a later reset";
}

TEST(ResetState, CallHistoryKeepsEveryLineInOrder) {
    ScopedWorkDir dir;
    WriteFileBytes("Plugins/ZOVA_RTTY_CH.hlp", "DL1ABC x 0012\r\nUA9XX y 0044\r\n\r\nK1ZZ z 0001\nlast");
    Reset("DL");
    EXPECT_EQ(State().callHistory,
              (std::vector<std::string>{"DL1ABC x 0012", "UA9XX y 0044", "", "K1ZZ z 0001", "last"}));
    std::filesystem::remove("Plugins/ZOVA_RTTY_CH.hlp");
    Reset("DL");
    EXPECT_TRUE(State().callHistory.empty());
}

TEST(ResetState, PreviousQsoGridStartsWithDashes) {
    ScopedWorkDir dir;
    State().prevQsoGrid[3] = {"20m", "RTTY", "12:00", "0001", "x"};
    Reset("DL");
    const char* titles[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
    for (size_t row = 0; row < kBandSlots; ++row)
        EXPECT_EQ(State().prevQsoGrid[row],
                  (std::vector<std::string>{titles[row], "-", "-", "-", "-"}));
}

TEST(ResetState, CompanionStartsOnlyForHostsThatSupportIt) {
    ScopedWorkDir dir;
    std::filesystem::create_directories("host");
    WriteFileBytes("host/Dorv2.ini", "");
    const struct {
        const char* version;
        bool starts;
    } cases[] = {{"2.16", false}, {"2.14R", false}, {"2.18", false}, {"2.19", true},
                 {"2.14r", true}, {"3.0", true}};
    for (const auto& c : cases) {
        WriteFileBytes("Dorv2.ini", std::string("Dorv=") + c.version + "\r\n");
        WriteFileBytes("Plugins/ZOVA-RTTY.ini", "");
        const int before = State().companionStartRequests;
        Reset("DL", "host/");
        EXPECT_EQ(State().hostVersion, c.version);
        EXPECT_EQ(State().companionStartRequests - before, c.starts ? 1 : 0) << c.version;
        EXPECT_EQ(ReadFileBytes("Plugins/ZOVA-RTTY.ini"), "[Settings]\r\nStart=1\r\n");
        // The next plain reset starts nothing and writes "0".
        Reset("DL", "host/");
        EXPECT_EQ(State().companionStartRequests - before, c.starts ? 1 : 0) << c.version;
    }
    // No host file in the folder: "Dorv", which starts the companion.
    std::filesystem::remove("host/Dorv2.ini");
    WriteFileBytes("Plugins/ZOVA-RTTY.ini", "");
    const int before = State().companionStartRequests;
    Reset("DL", "host/");
    EXPECT_EQ(State().hostVersion, "Dorv");
    EXPECT_EQ(State().companionStartRequests - before, 1);
}
