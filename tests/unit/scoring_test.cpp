// The scoring's inner rules, and what GetResult0 and the intake leave in the
// contest state that no export shows: the multiplier lists, the band order,
// the refresh signal.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "log/scoring.h"
#include "plugin/engine.h"
#include "support/temp_dir.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;

QsoArgs Qso(const char* call, const char* band, const char* exchReceived, int minutes = 0) {
    QsoArgs qso;
    qso.ownCall = "DL1ABC";
    qso.call = call;
    qso.band = band;
    qso.mode = "RTTY";
    qso.rstSent = "599";
    qso.rstReceived = "599";
    qso.exchSent = "0042";
    qso.exchReceived = exchReceived;
    qso.qsoTime = COleDateTime(COleDateTime::FromParts(2021, 3, 6, 12).m_dt + minutes / 1440.0);
    return qso;
}

// A fresh log in the process-wide state, as a reset leaves it.
ContestState& FreshState() {
    ContestState& state = State();
    ClearLog(state);
    state.badQsoJournalName = "journal.txt";
    state.cabrilloExport = 0;
    state.htmlResult = 0;
    return state;
}

}  // namespace

TEST(Scoring, WorkedBandsSortLongestWavelengthFirst) {
    std::vector<std::string> bands = {"20m", "10m", "80m", "40M", "15m", "40m", "160m"};
    SortWorkedBands(bands);
    EXPECT_EQ(bands, (std::vector<std::string>{"160m", "80m", "40m", "40M", "20m", "15m", "10m"}));
}

TEST(Scoring, MinutesAreRoundedToTheSecondThenTruncated) {
    const COleDateTime last = COleDateTime::FromParts(2021, 3, 6, 13);
    auto before = [&](double seconds) { return COleDateTime(last.m_dt - seconds * kSecond); };
    const struct {
        double secondsBefore;
        int limit;
        bool inside;
    } cases[] = {
        {3599.4, 60, true},   {3599.6, 60, false}, {3600.0, 60, false}, {599.0, 10, true},
        {599.6, 10, false},   {0.0, 10, true},     {-7200.0, 10, true},  // later than the last
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithinMinutes(before(c.secondsBefore), last, c.limit), c.inside)
            << c.secondsBefore << " s, limit " << c.limit;
    const COleDateTime unusable(std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(WithinMinutes(unusable, last, 60));
    EXPECT_FALSE(WithinMinutes(last, unusable, 60));
}

TEST(Scoring, MultiplierListsFollowTheLogPerBandSlot) {
    ScopedWorkDir dir;
    ContestState& state = FreshState();
    state.multLists[0] = {"stale 160m"};  // no 160m band worked: left alone
    state.multLists[1] = {"stale 80m"};
    AddQso(state, Qso("K1ABC", "20m", "0007"));
    AddQso(state, Qso("W1AW", "20m", "0003"));
    AddQso(state, Qso("K1ABC", "20m", "0009", 1));  // a duplicate with a new exchange
    AddQso(state, Qso("G4ABC", "20m", "0007"));
    AddQso(state, Qso("UA3AAA", "80m", "0100"));
    AddQso(state, Qso("JA1ABC", "20M", "0005"));  // a band text without a slot
    ComputeResult(state);

    EXPECT_EQ(state.workedBands, (std::vector<std::string>{"80m", "20m", "20M"}));
    EXPECT_EQ(state.multLists[0], std::vector<std::string>{"stale 160m"});
    EXPECT_EQ(state.multLists[1], std::vector<std::string>{"0100"});
    EXPECT_EQ(state.multLists[3], (std::vector<std::string>{"0007", "0003", "0009"}));
    for (size_t slot : {2u, 4u, 5u}) EXPECT_TRUE(state.multLists[slot].empty()) << slot;
    EXPECT_EQ(state.claimedScore, 5LL * 5);

    // A reset keeps them; a log emptied by deletions clears all six.
    ClearLog(state);
    EXPECT_EQ(state.multLists[1], std::vector<std::string>{"0100"});
    AddQso(state, Qso("K1ABC", "40m", "0001"));
    RemoveQso(state, Qso("K1ABC", "40m", "0001"));
    for (const auto& list : state.multLists) EXPECT_TRUE(list.empty());
}

TEST(Scoring, CabrilloExportScoresWithoutRates) {
    ScopedWorkDir dir;
    ContestState& state = FreshState();
    state.htmlResult = 1;
    AddQso(state, Qso("K1ABC", "20m", "0001"));
    state.cabrilloExport = 1;
    ComputeResult(state);
    EXPECT_NE(state.resultText.find("<center>    0 /0</center></td></tr><tr><th>Hourly (10min/1 hour) pts rate:</th><td colspan=6><center>    0 /0</center>"),
              std::string::npos)
        << state.resultText;
    EXPECT_NE(state.resultText.find("<center>    1</center> </td></tr>"), std::string::npos)
        << "the last QSO's points do not depend on the export";
    state.cabrilloExport = 0;
    state.htmlResult = 0;
}

TEST(CallCheckRefresh, PostedOneAtATimeAndRetriedWhenThePostFails) {
    ContestState& state = FreshState();
    CallCheckArgs args;
    args.call = "K1ABC";
    args.mode = "RTTY";
    args.prefix = "K";
    args.band = "20m";
    args.secondBand = "20m";

    // Without a Setup window the flag is not touched.
    state.refreshReady = 1;
    EXPECT_EQ(CheckCall(state, args), 2);
    EXPECT_EQ(state.refreshReady.load(), 1);

    // A window that cannot take the message (no such window): the post
    // fails, and the next call is free to post again.
    int notAWindow = 0;
    state.setupWindow = &notAWindow;
    EXPECT_EQ(CheckCall(state, args), 2);
    EXPECT_EQ(state.refreshReady.load(), 1);
    // A refresh still pending: nothing is posted, the flag stays down.
    state.refreshReady = 0;
    EXPECT_EQ(CheckCall(state, args), 2);
    EXPECT_EQ(state.refreshReady.load(), 0);
    state.setupWindow = nullptr;
    state.refreshReady = 1;
}
