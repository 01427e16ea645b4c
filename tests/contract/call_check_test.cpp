// CheckCall0's answers as the host sees them: 0 worked on this band, 1 no
// verdict, 2 new, 4 outside the contest (host version "Dorv" here).
#include "contract/plugin_fixture.h"

TEST_F(PluginTest, CallCheckAnswersFromTheLogAndTheRules) {
    CallReset(*plugin, DefaultReset());
    CallAddData(*plugin, MakeQso("AB1CD", "40m"));
    CallAddData(*plugin, MakeQso("AB1CD", "40m", "0001", 5));  // a duplicate
    CallAddData(*plugin, MakeQso("K1A", "40m"));
    HostQso otherMode = MakeQso("W1AW", "20m");
    otherMode.mode = "rtty";
    CallAddData(*plugin, otherMode);
    HostQso rejected = MakeQso("G4ABC", "20m", "");
    CallAddData(*plugin, rejected);

    const struct {
        const char* call;
        const char* mode;
        const char* prefix;
        const char* band;
        const char* secondBand;
        int code;
    } cases[] = {
        {"AB1CD", "RTTY", "K", "40m", "40m", 0},
        {"AB1CD", "RTTY", "K", "20m", "20m", 2},    // worked on another band
        {"AB1CD", "RTTY", "K", "40M", "40m", 2},    // band passes, but the log says "40m"
        {"ab1cd", "RTTY", "K", "40m", "40m", 2},    // calls compare exactly
        {"AB1C", "RTTY", "K", "40m", "40m", 2},     // no prefix matching
        {"W1AW", "RTTY", "K", "20m", "20m", 0},     // the mode plays no part
        {"G4ABC", "RTTY", "G", "20m", "20m", 2},    // rejected QSOs are not worked
        {"K1A", "RTTY", "K", "40m", "40m", 1},      // shorter than four characters
        {"AB1CD", "RTTY", "", "40m", "40m", 1},     // no prefix
        {"AB1CD", "RTTY", "K", "20m", "40m", 4},    // the two bands differ
        {"AB1CD", "RTTY", "K", "40m", "40M", 0},    // ... only in letter case
        {"AB1CD", "RTTY", "K", "40m", nullptr, 0},  // no second band
        {"AB1CD", "RTTY", "K", nullptr, "40m", 4},  // no band
        {"AB1CD", "RTTY", "K", "160m", "160m", 4},
        {"AB1CD", "PSK31", "K", "40m", "40m", 4},
        {"AB1CD", "rtty", "K", "40m", "40m", 0},
        {"", "RTTY", "K", "40m", "40m", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CallCheckCall(*plugin, c.call, c.mode, c.prefix, c.band, c.secondBand), c.code)
            << c.call << " " << c.mode << " '" << c.prefix << "' "
            << (c.band ? c.band : "(null)") << " " << (c.secondBand ? c.secondBand : "(null)");
}

TEST_F(PluginTest, CallCheckFollowsDeletions) {
    CallReset(*plugin, DefaultReset());
    const HostQso first = MakeQso("AB1CD", "40m", "0001", 0);
    const HostQso second = MakeQso("AB1CD", "40m", "0001", 5);
    CallAddData(*plugin, first);
    CallAddData(*plugin, second);
    CallRemoveData(*plugin, first);
    EXPECT_EQ(CallCheckCall(*plugin, "AB1CD", "RTTY", "K", "40m", "40m"), 0);
    CallRemoveData(*plugin, second);
    EXPECT_EQ(CallCheckCall(*plugin, "AB1CD", "RTTY", "K", "40m", "40m"), 2);
}
