// AddData0 and RemoveData0 through the host's calls: what is stored, what the
// journal says, and how deletions keep both in step.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#if defined(_WIN32)
#include <share.h>
#endif

#include "contract/log_helpers.h"
#include "contract/plugin_fixture.h"

namespace fs = std::filesystem;

namespace {

class IntakeTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        CallReset(*plugin, DefaultReset());
    }
    std::string Journal() const { return ReadFileBytes(JournalName()); }
    int Add(const HostQso& qso) { return CallAddData(*plugin, qso); }
    int Remove(const HostQso& qso) { return CallRemoveData(*plugin, qso); }
    // The plain summary's row of one band ("" when it has none).
    std::string Row(const std::string& band) {
        const std::string text = "\r\n" + Result();
        const size_t at = text.find("\r\n" + band + "\t");
        if (at == std::string::npos) return "";
        return text.substr(at + 2, text.find("\r\n", at + 2) - at - 2);
    }
};

}  // namespace

TEST_F(IntakeTest, RejectedQsosAreJournaledWithTheirReason) {
    HostQso wrongBand = MakeQso("AB1C", "160m", "0001", -149);  // 09:31
    wrongBand.freqHz = 7049999;
    wrongBand.rstSent = "";
    HostQso wrongMode = MakeQso("K1ABC", "40m");
    wrongMode.mode = "PSK31";
    HostQso noSentNumber = MakeQso("W1AW", "15m");
    noSentNumber.exchSent = "";
    HostQso noReceivedNumber = MakeQso("W1AW", "15m", "", 1);
    HostQso blankNumber = MakeQso("G4ABC", "10m", " ");  // a blank is present

    EXPECT_EQ(Add(wrongBand), 0);
    EXPECT_EQ(Add(wrongMode), 0);
    EXPECT_EQ(Add(noSentNumber), 0);
    EXPECT_EQ(Add(noReceivedNumber), 0);
    EXPECT_EQ(Add(blankNumber), 1);

    EXPECT_EQ(Journal(),
              std::string(kResetHeader) +
                  "QSO:  7049  RTTY  2021-03-06 0931  DL1ABC    0042  AB1C  599  0001   WRONG BAND !!!\r\n" +
                  JournalLineOf(wrongMode, kWrongMode) + JournalLineOf(noSentNumber, kNoRxNumber) +
                  JournalLineOf(noReceivedNumber, kNoRxNumber));

    // 160m never becomes a worked band; the bands of QSOs rejected for their
    // mode or number do, with nothing counted.
    EXPECT_EQ(Row("160m"), "");
    EXPECT_EQ(Row("40m"), "40m\t 0\t  0\t  0");
    EXPECT_EQ(Row("15m"), "15m\t 0\t  0\t  0");
    EXPECT_EQ(Row("10m"), "10m\t 1\t  1\t  1");
}

TEST_F(IntakeTest, BandAndModeRulesIgnoreCaseButDuplicatesDoNot) {
    HostQso first = MakeQso("K1ABC", "20m", "0001", 0);
    HostQso again = MakeQso("K1ABC", "20m", "0002", 30);
    HostQso thirdTime = MakeQso("K1ABC", "20m", "0003", 60);
    HostQso capitalBand = MakeQso("K1ABC", "20M", "0001", 61);
    HostQso smallMode = MakeQso("K1ABC", "20m", "0001", 62);
    smallMode.mode = "rtty";
    for (const HostQso* qso : {&first, &again, &thirdTime, &capitalBand, &smallMode})
        EXPECT_EQ(Add(*qso), 1) << qso->band << " " << qso->mode;

    EXPECT_EQ(Journal(), std::string(kResetHeader) + JournalLineOf(again, kDupe) +
                             JournalLineOf(thirdTime, kDupe));
    // 20m: K1ABC in RTTY and in rtty count, the two duplicates bring their
    // new exchanges as multipliers. 20M is a band of its own.
    EXPECT_EQ(Row("20m"), "20m\t 2\t  2\t  3");
    EXPECT_EQ(Row("20M"), "20M\t 1\t  1\t  1");
    EXPECT_NE(Result().find("Dupe\t 2\r\n"), std::string::npos);
}

TEST_F(IntakeTest, DeletionRemovesOnlyTheDeletedQsosLine) {
    // Rejected for their mode at 09:31; one QSO sends "0931" as its number.
    HostQso ab1c = MakeQso("AB1C", "20m", "0001", -149);
    HostQso ab1cd = MakeQso("AB1CD", "20m", "0001", -149);
    HostQso sendsTheTime = MakeQso("AB1C", "20m", "0001", -100);
    for (HostQso* qso : {&ab1c, &ab1cd, &sendsTheTime}) qso->mode = "PSK31";
    sendsTheTime.exchSent = "0931";
    HostQso twiceTheSame = ab1c;
    for (const HostQso* qso : {&ab1c, &ab1cd, &sendsTheTime, &twiceTheSame}) Add(*qso);

    EXPECT_EQ(Remove(ab1c), 1);
    EXPECT_EQ(Journal(), std::string(kRewrittenHeader) + JournalLineOf(ab1cd, kWrongMode) +
                             JournalLineOf(sendsTheTime, kWrongMode) +
                             JournalLineOf(twiceTheSame, kWrongMode));

    // A deletion that matches nothing (other band, other minute) changes no line.
    HostQso otherBand = ab1cd;
    otherBand.band = "40m";
    HostQso otherTime = ab1cd;
    otherTime.time = MakeQso("AB1CD", "20m", "0001", -148).time;
    EXPECT_EQ(Remove(otherBand), 1);
    EXPECT_EQ(Remove(otherTime), 1);
    EXPECT_EQ(Journal(), std::string(kRewrittenHeader) + JournalLineOf(ab1cd, kWrongMode) +
                             JournalLineOf(sendsTheTime, kWrongMode) +
                             JournalLineOf(twiceTheSame, kWrongMode));
}

TEST_F(IntakeTest, DeletingTheCountedQsoPromotesItsFirstDuplicate) {
    const HostQso counted = MakeQso("K1ABC", "20m", "0001", 0);
    const HostQso dupe1 = MakeQso("K1ABC", "20m", "0001", 5);
    const HostQso dupe2 = MakeQso("K1ABC", "20m", "0001", 10);
    const HostQso other = MakeQso("W1AW", "20m", "0002", 11);
    for (const HostQso* qso : {&counted, &dupe1, &dupe2, &other}) Add(*qso);
    ASSERT_EQ(Row("20m"), "20m\t 2\t  2\t  2");

    Remove(counted);
    EXPECT_EQ(Journal(), std::string(kRewrittenHeader) + JournalLineOf(dupe2, kDupe));
    EXPECT_EQ(Row("20m"), "20m\t 2\t  2\t  2") << "K1ABC stays worked";
    EXPECT_NE(Result().find("Dupe\t 1\r\n"), std::string::npos);
    EXPECT_EQ(CallCheckCall(*plugin, "K1ABC", "RTTY", "K", "20m", "20m"), 0);

    // Deleting a duplicate takes only its own DUPE line.
    Remove(dupe2);
    EXPECT_EQ(Journal(), kRewrittenHeader);
    EXPECT_EQ(Row("20m"), "20m\t 2\t  2\t  2");

    Remove(dupe1);
    EXPECT_EQ(Row("20m"), "20m\t 1\t  1\t  1");
    EXPECT_EQ(CallCheckCall(*plugin, "K1ABC", "RTTY", "K", "20m", "20m"), 2);
}

TEST_F(IntakeTest, ResetForgetsEveryQsoAndDuplicate) {
    const HostQso qso = MakeQso("K1ABC");
    Add(qso);
    Add(qso);
    CallReset(*plugin, DefaultReset());
    EXPECT_EQ(CallCheckCall(*plugin, "K1ABC", "RTTY", "K", "20m", "20m"), 2);
    EXPECT_EQ(Add(qso), 1);
    EXPECT_EQ(Journal(), kResetHeader) << "the first QSO after a reset is no duplicate";
    // Deleting a QSO of the old log finds nothing of it.
    Remove(qso);
    Remove(qso);
    EXPECT_EQ(Row("20m"), "20m\t 0\t  0\t  0");
}

TEST_F(IntakeTest, RewriteReplacesTheJournalWholeOrNotAtAll) {
    HostQso rejected = MakeQso("K1ABC", "160m");
    Add(rejected);
    Add(MakeQso("W1AW", "160m"));
    const std::string before = Journal();

    // The temporary file cannot be created: the journal stays as it was.
    const std::string temporary = JournalName() + ".tmp";
    fs::create_directory(temporary);
    Remove(rejected);
    EXPECT_EQ(Journal(), before);
    fs::remove(temporary);

    // The next rewrite brings it up to date, and leaves nothing behind.
    Remove(MakeQso("NOBODY"));
    EXPECT_EQ(Journal(),
              std::string(kRewrittenHeader) + JournalLineOf(MakeQso("W1AW", "160m"), kWrongBand));
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir->path()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{JournalName(), "Plugins"}));
}

TEST_F(IntakeTest, JournalHeldOpenByAnotherProgramIsStillRewritten) {
    // A viewer holding the journal open for reading (on Windows without
    // delete sharing, so it cannot be replaced by a rename).
    HostQso rejected = MakeQso("K1ABC", "160m");
    Add(rejected);
#if defined(_WIN32)
    std::FILE* viewer = _fsopen(JournalName().c_str(), "rb", _SH_DENYNO);
#else
    std::FILE* viewer = std::fopen(JournalName().c_str(), "rb");
#endif
    ASSERT_NE(viewer, nullptr);
    Remove(rejected);
    std::fclose(viewer);
    EXPECT_EQ(Journal(), kRewrittenHeader);
    EXPECT_FALSE(FileExists(JournalName() + ".tmp"));
}

TEST_F(IntakeTest, LineBreaksInHostTextsStayInsideTheirLine) {
    // One QSO is one journal line, whatever its texts hold.
    HostQso qso = MakeQso("K1ABC\r\nQSO:  1  RTTY", "160m");
    qso.exchReceived = "1\n   WRONG MODE !!!";
    Add(qso);
    EXPECT_EQ(Journal(), std::string(kResetHeader) +
                             "QSO:  14085  RTTY  2021-03-06 1200  DL1ABC  599  0042  K1ABC  QSO:  1  "
                             "RTTY  599  1    WRONG MODE !!!   WRONG BAND !!!\r\n");
    EXPECT_NE(Result().find("Bad QSO\t 1\r\n"), std::string::npos);
    Remove(qso);  // found by its texts as the host passes them
    EXPECT_EQ(Journal(), kRewrittenHeader);
}

TEST_F(IntakeTest, StoredQsoIsDeletedBeforeARejectedTwin) {
    // Same call, band, mode and time: once without a number, once with it.
    HostQso noNumber = MakeQso("K1ABC", "20m", "");
    HostQso complete = MakeQso("K1ABC", "20m", "0001");
    Add(noNumber);
    Add(complete);

    Remove(complete);
    EXPECT_EQ(Row("20m"), "20m\t 0\t  0\t  0");
    EXPECT_EQ(Journal(), std::string(kRewrittenHeader) + JournalLineOf(noNumber, kNoRxNumber));

    Add(complete);
    Remove(noNumber);
    EXPECT_EQ(Row("20m"), "20m\t 1\t  1\t  1");
    EXPECT_EQ(Journal(), kRewrittenHeader);
}

// Any sequence of additions and deletions leaves the journal with one line per
// rejected QSO still in the log and one DUPE line per stored QSO that is a
// duplicate now, in the order of the additions; the score counts one QSO per
// call, band and mode, and the call check knows every call still worked.
// Checked against a plain model of the host's log.
TEST_F(IntakeTest, JournalAndScoreFollowAnySequenceOfAdditionsAndDeletions) {
    struct Entry {
        HostQso qso;
        bool stored;
        const char* marker;
    };
    const char* const calls[] = {"AB1C", "AB1CD", "K1ABC"};
    const char* const bands[] = {"20m", "40m", "160m"};
    auto admissible = [](const HostQso& q) {
        return q.band != "160m" && q.mode != "PSK31" && !q.exchReceived.empty();
    };
    auto marker = [](const HostQso& q) {
        if (q.band == "160m") return kWrongBand;
        if (q.mode == "PSK31") return kWrongMode;
        return kNoRxNumber;
    };
    auto sameKey = [](const HostQso& a, const HostQso& b) {
        return a.call == b.call && a.band == b.band && a.mode == b.mode && a.time == b.time;
    };

    std::mt19937 random(20210306);
    std::vector<HostQso> added;
    std::vector<Entry> model;
    for (int step = 0; step < 400; ++step) {
        if (added.empty() || random() % 5 < 3) {
            HostQso qso = MakeQso(calls[random() % 3], bands[random() % 3],
                                  random() % 6 ? "000" + std::to_string(random() % 3) : "",
                                  int(random() % 2));
            // "rtty" is an allowed mode of its own: never a duplicate of "RTTY".
            if (random() % 6 == 0) qso.mode = random() % 2 ? "PSK31" : "rtty";
            EXPECT_EQ(Add(qso), admissible(qso) ? 1 : 0);
            added.push_back(qso);
            model.push_back({qso, admissible(qso), admissible(qso) ? nullptr : marker(qso)});
        } else {
            const HostQso qso = added[random() % added.size()];
            Remove(qso);
            auto match = [&](bool stored) {
                return std::find_if(model.begin(), model.end(), [&](const Entry& e) {
                    return e.stored == stored && sameKey(e.qso, qso);
                });
            };
            auto it = match(admissible(qso));
            if (it == model.end()) it = match(!admissible(qso));
            if (it != model.end()) model.erase(it);

            std::string expected = kRewrittenHeader;
            int qsos = 0, dupes = 0;
            for (size_t i = 0; i < model.size(); ++i) {
                if (!model[i].stored) {
                    expected += JournalLineOf(model[i].qso, model[i].marker);
                    continue;
                }
                const bool dupe = std::any_of(model.begin(), model.begin() + long(i), [&](const Entry& e) {
                    return e.stored && e.qso.call == model[i].qso.call &&
                           e.qso.band == model[i].qso.band && e.qso.mode == model[i].qso.mode;
                });
                if (dupe) expected += JournalLineOf(model[i].qso, kDupe);
                dupe ? ++dupes : ++qsos;
            }
            ASSERT_EQ(Journal(), expected) << "after step " << step;
            const std::string result = Result();
            ASSERT_EQ(Between(result, "Total\t ", "\t"), std::to_string(qsos)) << result;
            ASSERT_EQ(Between(result, "Dupe\t ", "\r\n"), std::to_string(dupes)) << result;
            for (const char* call : calls)
                for (const char* band : {"20m", "40m"}) {
                    const bool worked = std::any_of(model.begin(), model.end(), [&](const Entry& e) {
                        return e.stored && e.qso.call == call && e.qso.band == band;
                    });
                    ASSERT_EQ(CallCheckCall(*plugin, call, "RTTY", "K", band, band), worked ? 0 : 2)
                        << call << " " << band << " after step " << step;
                }
        }
    }
}
