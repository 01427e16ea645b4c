// GetResult0's summaries: the golden plain and HTML pages of one small
// contest, and the rules behind single cells.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "contract/log_helpers.h"
#include "contract/plugin_fixture.h"

namespace {

class SummaryTest : public PluginTest {
protected:
    void Reset(const std::string& ownCall = "DL1ABC") {
        HostReset reset = DefaultReset();
        reset.ownCall = ownCall;
        CallReset(*plugin, reset);
    }
    void Add(const HostQso& qso) { CallAddData(*plugin, qso); }

    // Every band, a dupe with a new exchange, the same exchange on two bands
    // and from two calls, each kind of rejection, QSOs inside and outside
    // the rate windows of the last QSO (13:00).
    void ContestLog() {
        Add(MakeQso("UA3AAA", "80m", "0100", -100));
        Add(MakeQso("K1ABC", "20m", "0001", 0));
        Add(MakeQso("K1ABC", "20m", "0002", 3));
        Add(MakeQso("W1AW", "20m", "0001", 10));
        Add(MakeQso("DL2XX", "40m", "0033", 20));
        Add(MakeQso("JA1XYZ", "160m", "0007", 21));
        HostQso wrongMode = MakeQso("F5ABC", "15m", "0012", 22);
        wrongMode.mode = "PSK31";
        Add(wrongMode);
        Add(MakeQso("OH2BH", "10m", "", 23));
        Add(MakeQso("JA1ABC", "10m", "0005", 55));
        Add(MakeQso("UA3AAA", "40m", "0100", 60));
    }

    void ExpectGolden(const std::string& name, const std::string& text) {
        const std::string path = GoldenPath(name);
        if (const char* update = std::getenv("STATS_UPDATE_GOLDEN"); update && *update)
            WriteFileBytes(path, text);
        EXPECT_EQ(text, ReadFileBytes(path)) << "golden file " << path;
    }

    std::string HtmlCell(const std::string& html, const std::string& heading) {
        return Between(html, std::string("<tr><th>") + heading + "</th>", "</td></tr>");
    }
};

}  // namespace

TEST_F(SummaryTest, PlainSummaryMatchesTheGoldenFile) {
    Reset();
    ContestLog();
    ExpectGolden("summary_plain.txt", Result());
    EXPECT_NE(Settings().find("Claimed=36\r\n"), std::string::npos) << Settings();
}

TEST_F(SummaryTest, HtmlSummaryMatchesTheGoldenFile) {
    plugin->setVersion("2.20");
    Reset();
    ContestLog();
    ExpectGolden("summary.html", Result());
}

TEST_F(SummaryTest, EmptyLogScoresZero) {
    Reset();
    HostQso wrongMode = MakeQso("K1ABC", "20m");
    wrongMode.mode = "PSK31";
    Add(wrongMode);  // 20m is worked, nothing counts
    const std::string text = Result();
    const std::string expected =
        "  ZOVA WW RTTY Contest 06.03-07.03.2021 \r\n     Contestant: DL1ABC\r\n"
        "Band\tQSOs\tPoints\tMult\r\n20m\t 0\t  0\t  0\r\nTotal\t 0\t  0\t    0\r\n"
        "Dupe\t 0\r\nBad QSO\t 1\r\n\r\nScore = 0 * 0  = 0 \r\n\n\r\n";
    ASSERT_EQ(text.substr(0, expected.size()), expected);
    EXPECT_GT(text.size(), expected.size()) << "a credit line follows";
    EXPECT_EQ(text.find('\n', expected.size()), std::string::npos) << "without a line end";
    EXPECT_NE(Settings().find("Claimed=0\r\n"), std::string::npos) << Settings();

    plugin->setVersion(nullptr);  // switches to HTML for good, also after a result
    const std::string html = Result();
    EXPECT_EQ(html.rfind("<html>", 0), 0u);
    EXPECT_EQ(HtmlCell(html, "Last QSO points:"), "<td colspan=5><center>    0</center> ");
    EXPECT_EQ(HtmlCell(html, "Hourly (10min/1 hour) QSO rate:"), "<td colspan=6><center>    0 /0</center>");
    EXPECT_EQ(HtmlCell(html, "Hourly (10min/1 hour) pts rate:"), "<td colspan=6><center>    0 /0</center>");
}

TEST_F(SummaryTest, RatesCountOnePointPerCountedQsoWhateverItsBand) {
    plugin->setVersion("");
    Reset();
    const struct {
        const char* name;
        std::vector<HostQso> log;
        const char* lastPoints;
        const char* rate;  // QSOs and points alike
    } cases[] = {
        {"one QSO", {MakeQso("K1ABC", "20m")}, "    1", "    1 /6"},
        // 80m comes first in the table, yet its QSO counts a point.
        {"earlier band first", {MakeQso("UA3AAA", "80m", "0001", 0), MakeQso("K1ABC", "20m", "0001", 1)},
         "    1", "    2 /12"},
        {"last is a dupe",
         {MakeQso("K1ABC", "20m", "0001", 0), MakeQso("W1AW", "40m", "0001", 30),
          MakeQso("K1ABC", "20m", "0001", 40)},
         "    0", "    2 /0"},
        {"an hour ago drops out",
         {MakeQso("K1ABC", "20m", "0001", 0), MakeQso("W1AW", "20m", "0001", 59),
          MakeQso("G4ABC", "20m", "0001", 60)},
         "    1", "    2 /12"},
        {"later than the last QSO", {MakeQso("K1ABC", "20m", "0001", 500), MakeQso("W1AW", "20m", "0001", 0)},
         "    1", "    2 /12"},
    };
    for (const auto& c : cases) {
        Reset();
        for (const HostQso& qso : c.log) Add(qso);
        const std::string html = Result();
        EXPECT_EQ(Between(HtmlCell(html, "Last QSO points:"), "<center>", "</center>"), c.lastPoints) << c.name;
        EXPECT_EQ(Between(HtmlCell(html, "Hourly (10min/1 hour) QSO rate:"), "<center>", "</center>"), c.rate) << c.name;
        EXPECT_EQ(Between(HtmlCell(html, "Hourly (10min/1 hour) pts rate:"), "<center>", "</center>"), c.rate) << c.name;
    }
}

TEST_F(SummaryTest, BadQsosAreTheJournalsRejectedQsoLines) {
    Reset();
    // The journal is read back as it stands on disk.
    const struct {
        const char* line;
        int counts;
    } lines[] = {
        {"QSO:  14085  RTTY  2021-03-06 1200  DL1ABC  599  0042  K1ABC  599  0001   WRONG BAND !!!", 1},
        {"QSO:  14085  PSK  2021-03-06 1200  DL1ABC  599  0042  K1ABC  599  0001   WRONG MODE !!!", 1},
        {"QSO:  14085  RTTY  2021-03-06 1200  DL1ABC  599  0042  K1ABC  599     NO RX NUMBER !!!", 1},
        {"QSO:  14085  RTTY  2021-03-06 1200  DL1ABC  599  0042  DUPE1  599     NO RX NUMBER !!!", 1},
        {"QSO:  14085  RTTY  2021-03-06 1200  DL1ABC  599  0042  UBN1X  599  0001   WRONG BAND !!!", 1},
        {"QSO:  14085  RTTY  2021-03-06 1200  DL1ABC  599  0042  K1ABC  599  0001   DUPE !!!", 0},
        {"QSO:  14085  RTTY  2021-03-06 1200  DL1ABC  599  0042  K1ABC  599  1   WRONG BAND !!!   DUPE !!!", 0},
        {"ZOVA WW RTTY CONTEST UBN file  ", 0},
        {"", 0},
        {"   WRONG BAND !!!", 0},
    };
    std::string journal;
    int expected = 0;
    for (const auto& l : lines) {
        journal += std::string(l.line) + "\r\n";
        expected += l.counts;
    }
    WriteFileBytes(JournalName(), journal);
    EXPECT_NE(Result().find(std::string("Bad QSO\t ") + std::to_string(expected) + "\r\n"), std::string::npos);

    std::remove(JournalName().c_str());
    EXPECT_NE(Result().find("Bad QSO\t 0\r\n"), std::string::npos) << "no journal, no bad QSOs";
}

TEST_F(SummaryTest, ScoreBeyond32BitsIsExact) {
    Reset();
    // 46341 QSOs with 46341 multipliers: 2147488281 points, more than an int holds.
    for (int i = 0; i < 46341; ++i) {
        const std::string number = std::to_string(i);
        HostQso qso = MakeQso("K" + number, "20m", number);
        CallAddData(*plugin, qso);
    }
    EXPECT_NE(Result().find("Score = 46341 * 46341  = 2147488281 \r\n"), std::string::npos);
    EXPECT_NE(Settings().find("Claimed=2147488281\r\n"), std::string::npos) << Settings();
}

TEST_F(SummaryTest, HtmlEscapesTheHostsTexts) {
    Reset("<K1&AB>");
    Add(MakeQso("W1AW", "20m"));
    EXPECT_NE(Result().find("Contestant: <K1&AB>\r\n"), std::string::npos) << "plain text as it came";
    plugin->setVersion("2.20");
    const std::string html = Result();
    EXPECT_NE(html.find("Contestant:  <b>&lt;K1&amp;AB&gt;</center>"), std::string::npos) << html;
    EXPECT_EQ(html.find("<K1"), std::string::npos);
}
