// End-to-end: the zova-score program with the real plug-in, real files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

const std::string kProgram = ZOVA_SCORE_BIN;
const std::string kExamples = ZOVA_EXAMPLES_DIR;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs zova-score in the current directory (each test's own).
Outcome Zova(const std::vector<std::string>& args, const std::string& prefix = "") {
    std::string command = prefix + Quote(kProgram);
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >stdout.txt 2>stderr.txt </dev/null";
    Outcome run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFileBytes("stdout.txt");
    run.err = ReadFileBytes("stderr.txt");
    fs::remove("stdout.txt");
    fs::remove("stderr.txt");
    return run;
}

std::string Golden() { return ReadFileBytes(fs::path(kExamples) / "sample-summary.txt"); }
std::string Sample() { return (fs::path(kExamples) / "sample.adi").string(); }

// "Total", "Dupe", "Score" lines of a plain summary: what both log forms must agree on.
std::string Counts(const std::string& summary) {
    std::string kept;
    std::istringstream lines(summary);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("Total", 0) == 0 || line.rfind("Dupe", 0) == 0 || line.rfind("Score", 0) == 0)
            kept += line + "\n";
    return kept;
}

class ZovaScore : public ::testing::Test {
protected:
    ScopedWorkDir dir;
};

TEST_F(ZovaScore, SampleLogGivesTheGoldenSummary) {
    const std::string golden = Golden();
    ASSERT_FALSE(golden.empty()) << "examples/sample-summary.txt is missing";
    const Outcome run = Zova({Sample()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, golden);
    // The sample holds one QSO without a received exchange: warned, and scored as bad.
    EXPECT_NE(run.err.find("1 QSO lacks fields passed as empty text (exchange received 1)"),
              std::string::npos) << run.err;
    // The plug-in's files in the working folder: its journal and the claimed score.
    const std::regex score("Score = \\d+ \\* \\d+  = (\\d+)");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(run.out, match, score));
    EXPECT_NE(ReadFileBytes("Plugins/ZOVA-RTTY.ini").find("Claimed=" + match[1].str()), std::string::npos);
    EXPECT_NE(ReadFileBytes("BadQSO_StatsZOVARTTY_08_03_2026.txt").find("NO RX NUMBER"), std::string::npos);

    // Without a log: the bundled sample, the same summary.
    EXPECT_EQ(Zova({}).out, golden);
}

TEST_F(ZovaScore, OptionsReachTheReset) {
    const Outcome run = Zova({"--call", "ok1abc", "--start", "2026-03-01", "--end=2026-03-09",
                          "--dir", "work/here", Sample()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("ZOVA WW RTTY Contest 01.03-09.03.2026"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Contestant: OK1ABC\r\n"), std::string::npos) << run.out;
    // --dir is created with its Plugins folder; the journal is named after --end.
    EXPECT_TRUE(FileExists("work/here/BadQSO_StatsZOVARTTY_09_03_2026.txt"));
    EXPECT_TRUE(FileExists("work/here/Plugins/ZOVA-RTTY.ini"));
    EXPECT_FALSE(FileExists("BadQSO_StatsZOVARTTY_09_03_2026.txt"));
}

TEST_F(ZovaScore, AdifAndThePluginsCabrilloFileScoreTheSame) {
    const Outcome adif = Zova({"--cabrillo", "--dir", "a", Sample()});
    ASSERT_EQ(adif.status, 0) << adif.err;
    EXPECT_EQ(adif.out, Golden());  // the export changes nothing in the plain summary
    EXPECT_NE(adif.err.find("File produced: DL5ZOV.cbr"), std::string::npos) << adif.err;
    ASSERT_TRUE(FileExists("a/DL5ZOV.cbr"));
    const std::string cabrillo = ReadFileBytes("a/DL5ZOV.cbr");
    EXPECT_NE(cabrillo.find("QSO: "), std::string::npos) << "no QSO lines in the Cabrillo file";

    const Outcome again = Zova({"--dir", "b", "a/DL5ZOV.cbr"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(Counts(again.out), Counts(adif.out));
    EXPECT_NE(Counts(adif.out).find("Score"), std::string::npos);
    EXPECT_NE(again.out.find("Contestant: DL5ZOV\r\n"), std::string::npos);
    EXPECT_NE(again.out.find("Bad QSO\t 0\r\n"), std::string::npos);  // rejected QSOs never reach it
}

TEST_F(ZovaScore, HtmlSummaryGoesToTheFile) {
    const Outcome run = Zova({"--html", "summary.html", "--dir", "w", Sample()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string html = ReadFileBytes("summary.html");  // relative to where it was started
    EXPECT_EQ(html.rfind("<html>", 0), 0u);
    EXPECT_NE(html.find("<th>Band</th>"), std::string::npos);
    EXPECT_NE(html.find("Contestant:  <b>DL5ZOV"), std::string::npos);
    EXPECT_NE(html.find("</html>"), std::string::npos);
}

TEST_F(ZovaScore, BadInputIsNamedAndExitsWithStatus2) {
    const std::string qso = "<CALL:4>AB1C <QSO_DATE:8>20260307 <TIME_ON:4>1200 <BAND:3>20m "
                            "<MODE:4>RTTY <STX_STRING:4>0001 <SRX_STRING:4>0002 <EOR>\n";
    fs::create_directory("folder.adi");
    const struct {
        const char* file;
        std::string content;  // not written when empty
        std::string message;
    } cases[] = {
        {"missing.adi", "", "zova-score: missing.adi: no such file\n"},
        {"folder.adi", "", "zova-score: folder.adi: is a folder, not a log file\n"},
        {"length.adi", qso + "<CALL:x>AB1C <EOR>\n",
         "zova-score: length.adi: record 2 (line 2): malformed field length in '<CALL:x>'\n"},
        {"past.adi", qso + "<CALL:99>AB1C <EOR>\n",
         "zova-score: past.adi: record 2 (line 2): field '<CALL:99>' runs past the end of the file\n"},
        {"noeor.adi", qso + qso.substr(0, qso.size() - 7),
         "zova-score: noeor.adi: record 2 (line 2) has no <EOR>: the file ends inside it\n"},
        {"line.log", "START-OF-LOG: 3.0\nCALLSIGN: DL5ZOV\nQSO: 7040 RY 2026-03-07 1200 DL5ZOV 599\n",
         "zova-score: line.log: line 3: QSO line does not parse: expected frequency, mode, date, time, "
         "own call, RST sent, exchange sent, call, RST received, exchange received (and an optional "
         "transmitter), found 6 fields\n"},
        {"empty.adi", "written by nobody <EOH>\n", "zova-score: empty.adi: the ADIF log holds no QSO\n"},
        {"empty.log", "START-OF-LOG: 3.0\nEND-OF-LOG:\n", "zova-score: empty.log: the Cabrillo log holds no QSO\n"},
        {"nothing.txt", "\n", "zova-score: nothing.txt: neither an ADIF nor a Cabrillo log (no ADIF tags, no QSO: lines)\n"},
        {"binary.adi", std::string("\x7f" "ELF\x01\x00<\xff:>\xfe<EOR>", 16),
         "zova-score: binary.adi: record 1 (line 1): malformed field length"},
    };
    for (const auto& c : cases) {
        if (!c.content.empty()) WriteFileBytes(c.file, c.content);
        const Outcome run = Zova({c.file});
        EXPECT_EQ(run.status, 2) << c.file;
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message) << c.file;
        EXPECT_EQ(run.out, "") << c.file;
        EXPECT_FALSE(FileExists("Plugins/ZOVA-RTTY.ini")) << c.file << ": the plug-in was called";
    }
    if (geteuid() != 0) {  // root reads any file
        WriteFileBytes("locked.adi", qso);
        fs::permissions("locked.adi", fs::perms::none);
        const Outcome run = Zova({"locked.adi"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "zova-score: locked.adi: cannot be read\n");
    }
}

TEST_F(ZovaScore, BadOptionsExitWithStatus2AndPluginFailureWith1) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{"--start", "2026-02-30", Sample()}, 2, "--start 2026-02-30 is not a date (YYYY-MM-DD)"},
        {{"--end"}, 2, "--end needs a value"},
        {{"--start", "2026-03-09", Sample()}, 2,
         "the contest period would start on 2026-03-09, after its end on 2026-03-08"},
        {{"--frobnicate"}, 2, "unknown option --frobnicate"},
        {{"--html=", Sample()}, 2, "--html needs a file name"},
        {{"--cabrillo=yes", Sample()}, 2, "--cabrillo takes no value"},
        {{Sample(), Sample()}, 2, "more than one log given"},
        {{"--cty", "no-such-cty.dat", Sample()}, 2, "zova-score: no-such-cty.dat: no such file"},
        {{"--plugin", "no-such-plugin.so", Sample()}, 1, "cannot load the plug-in"},
    };
    for (const auto& c : cases) {
        const Outcome run = Zova(c.args);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    const Outcome help = Zova({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--call", "--start", "--end", "--cty", "--html", "--cabrillo", "--dir", "--plugin"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST_F(ZovaScore, FieldsTheLogLacksArePassedEmptyAndCounted) {
    WriteFileBytes("gaps.adi",
                   "<CALL:4>AB1C <QSO_DATE:8>20260307 <TIME_ON:4>1200 <FREQ:6>14.085 <MODE:4>RTTY "
                   "<RST_SENT:3>599 <RST_RCVD:3>599 <STX_STRING:4>0001 <SRX_STRING:4>0002 "
                   "<STATION_CALLSIGN:6>DL5ZOV <EOR>\n"
                   "<CALL:4>AB2C <QSO_DATE:8>20260307 <TIME_ON:4>1201 <MODE:4>RTTY <EOR>\n");
    const Outcome run = Zova({"gaps.adi"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err,
              "zova-score: warning: gaps.adi: 1 QSO lacks fields passed as empty text (band 1, "
              "RST sent 1, RST received 1, exchange sent 1, exchange received 1)\n");
    EXPECT_NE(run.out.find("20m\t 1\t  1\t  1\r\n"), std::string::npos) << run.out;  // band from FREQ
    EXPECT_NE(run.out.find("Bad QSO\t 1\r\n"), std::string::npos) << run.out;  // the empty band
}

// A big log: the progress line shows on a terminal only.
TEST_F(ZovaScore, ProgressLineOnlyOnATerminal) {
    std::string big;
    for (int i = 0; i < 10001; ++i) {
        char record[200];
        std::snprintf(record, sizeof record,
                      "<CALL:6>K%05d <QSO_DATE:8>20260307 <TIME_ON:4>%02d%02d <BAND:3>20m <MODE:4>RTTY "
                      "<STX_STRING:4>0001 <SRX_STRING:4>%04d <STATION_CALLSIGN:6>DL5ZOV <EOR>\n",
                      i, i / 60 % 24, i % 60, i % 100);
        big += record;
    }
    WriteFileBytes("big.adi", big);
    const Outcome piped = Zova({"big.adi"});
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.err.find("fed"), std::string::npos) << piped.err;
    EXPECT_NE(piped.out.find("Total\t 10001\t  10001\t    100\r\n"), std::string::npos) << piped.out;

    if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1) for a terminal";
    // script(1) gives the program a terminal; its standard output goes to a file of its own.
    const std::string command = "script -qec " +
                                Quote(Quote(kProgram) + " big.adi >summary.txt") +
                                " /dev/null >terminal.txt 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string terminal = ReadFileBytes("terminal.txt");
    EXPECT_NE(terminal.find("zova-score: fed 500 of 10001 QSOs to the plug-in"), std::string::npos);
    EXPECT_NE(terminal.find("fed 10001 of 10001"), std::string::npos);
    EXPECT_EQ(ReadFileBytes("summary.txt"), piped.out);
}

}  // namespace
