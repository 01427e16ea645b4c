// The Cabrillo export as the host drives it: ResetStats0 with the export flag,
// the QSOs, GetResult0 => the .cbr file. Natively the header form confirms the
// values prepared from the settings file, so the header comes from
// Plugins/ZOVA-RTTY.ini. Golden files are compared byte for byte
// (STATS_UPDATE_GOLDEN=1 rewrites them from the plug-in's output).
#include <cstdlib>
#include <filesystem>

#include "contract/host_dialogs.h"
#include "contract/plugin_fixture.h"
#include "support/host_path.h"

namespace fs = std::filesystem;

namespace {

fs::path GoldenFile(const std::string& name) {
#ifdef STATS_GOLDEN_DIR
    const std::string dir = STATS_GOLDEN_DIR;
#else
    const std::string dir = (fs::path(__FILE__).parent_path().parent_path() / "golden").string();
#endif
    return HostPath(dir) / "cabrillo" / name;
}

void ExpectGolden(const std::string& produced, const std::string& name) {
    const fs::path golden = GoldenFile(name);
    const char* update = std::getenv("STATS_UPDATE_GOLDEN");
    if (update && *update) {
        WriteFileBytes(golden, produced);
        return;
    }
    ASSERT_TRUE(FileExists(golden)) << golden;
    EXPECT_EQ(produced, ReadFileBytes(golden)) << name;
    EXPECT_EQ(produced.find('\n'), produced.find("\r\n") + 1);
    for (size_t i = 0; i < produced.size(); ++i) {
        if (produced[i] == '\n') {
            ASSERT_TRUE(i > 0 && produced[i - 1] == '\r') << name << " at " << i;
        }
    }
}

const char kHeaderSettings[] =
    "[Settings]\r\n"
    "Name=Hans Muster\r\n"
    "Address=Hauptstr. 1<CR><LF>Hinterhaus\r\n"
    "Address-City=Bonn\r\n"
    "Address-State=NRW\r\n"
    "Address-PostalCode=53111\r\n"
    "Address-Country=Germany\r\n"
    "Email=dl1abc@example.org\r\n"
    "Club=\r\n"
    "SoapBox=Great contest!<CR><LF>Antenna: dipole<CR><LF>73 Hans\r\n";

HostQso Qso(const std::string& call, const std::string& band, unsigned freqHz,
            const std::string& exchReceived, int minutes) {
    HostQso qso = MakeQso(call, band, exchReceived, minutes);
    qso.ownCall = "DL1ABC/P";
    qso.freqHz = freqHz;
    return qso;
}

class CabrilloExportTest : public PluginTest {
protected:
    HostReset ExportReset(const std::string& call = "DL1ABC/P") const {
        HostReset reset = DefaultReset();
        reset.ownCall = call;
        reset.cabrilloExport = 1;
        return reset;
    }
    // GetResult0, returning the text of the "Output" box it showed ("" for none).
    std::string ResultReport() {
#ifdef _WIN32
        TakeOutputReports();
        Result();
        const std::vector<std::string> reports = TakeOutputReports();
        EXPECT_LE(reports.size(), 1u);
        return reports.empty() ? std::string() : reports.back();
#else
        // Natively the box's text goes to standard error as "Output: TEXT".
        ::testing::internal::CaptureStderr();
        Result();
        const std::string err = ::testing::internal::GetCapturedStderr();
        const size_t at = err.find("Output: ");
        if (at == std::string::npos) return {};
        return err.substr(at + 8, err.find('\n', at) - at - 8);
#endif
    }
    void AddLog() {
        // Four QSOs: 80m at 3.58 MHz, 20m, the same 20m call again (a duplicate), 10m at 28.08 MHz.
        EXPECT_EQ(CallAddData(*plugin, Qso("UA3XYZ", "80m", 3580000, "0017", 0)), 1);
        EXPECT_EQ(CallAddData(*plugin, Qso("K1ABC", "20m", 14085500, "0003", 7)), 1);
        EXPECT_EQ(CallAddData(*plugin, Qso("K1ABC", "20m", 14086000, "0003", 9)), 1);
        EXPECT_EQ(CallAddData(*plugin, Qso("JA1ABCDEFGHIJKL", "10m", 28080000, "0105", 61)), 1);
    }
};

}  // namespace

TEST_F(CabrilloExportTest, SingleOpLogWithDuplicateSoapboxAndAddress) {
    WriteFileBytes("Plugins/ZOVA-RTTY.ini", kHeaderSettings);
    WriteFileBytes("Dorv2.ini", "Dorv=2.19\r\n");
    CallReset(*plugin, ExportReset());
    AddLog();
    EXPECT_EQ(ResultReport(), "File produced: DL1ABC_P.cbr");
    ExpectGolden(ReadFileBytes("DL1ABC_P.cbr"), "single_op.cbr");

    // The confirmed form saved its keys; "Claimed" is the score in decimal.
    const std::string settings = Settings();
    for (const char* line : {"Operators=DL1ABC/P\r\n", "Contest=ZOVA-RTTY", "Location=DX\r\n",
                             "SoapBox=Great contest!<CR><LF>Antenna: dipole<CR><LF>73 Hans\r\n",
                             "Address=Hauptstr. 1<CR><LF>Hinterhaus\r\n", "Club=\r\n", "Start=0\r\n"})
        EXPECT_NE(settings.find(line), std::string::npos) << line << "\n" << settings;
    EXPECT_EQ(settings.find("CATEGORY"), std::string::npos);
}

TEST_F(CabrilloExportTest, EmptyLogGivesTheHeaderAndTheEnd) {
    WriteFileBytes("Plugins/ZOVA-RTTY.ini", kHeaderSettings);
    WriteFileBytes("Dorv2.ini", "Dorv=2.19\r\n");
    CallReset(*plugin, ExportReset());
    Result();
    ExpectGolden(ReadFileBytes("DL1ABC_P.cbr"), "empty_log.cbr");
}

TEST_F(CabrilloExportTest, FirstUseTakesTheHostCallForOperators) {
    CallReset(*plugin, ExportReset("UA9ABC"));
    Result();
    const std::string file = ReadFileBytes("UA9ABC.cbr");
    EXPECT_NE(file.find("\r\nCALLSIGN: UA9ABC\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\r\nOPERATORS: UA9ABC\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\r\nCREATED-BY: Dorv Dorv\r\n"), std::string::npos) << file;  // no Dorv2.ini
    EXPECT_NE(file.find("\r\nCLUB: \r\nCONTEST: ZOVA RTTY CONTEST\r\n"), std::string::npos);
    EXPECT_EQ(file.find("CATEGORY-TRANSMITTER"), std::string::npos);

    // An empty "Operators" stays empty at the next export.
    WriteFileBytes("Plugins/ZOVA-RTTY.ini", "[Settings]\r\nOperators=\r\n");
    CallReset(*plugin, ExportReset("UA9ABC"));
    Result();
    EXPECT_NE(ReadFileBytes("UA9ABC.cbr").find("\r\nOPERATORS: \r\n"), std::string::npos);
}

TEST_F(CabrilloExportTest, FileNameComesFromTheHostCallAndStaysInTheFolder) {
    const struct {
        const char* call;
        const char* file;
    } cases[] = {{"", "VASK.cbr"},          {"   ", "VASK.cbr"},
                 {"OH/DL1ABC/M", "OH_DL1ABC_M.cbr"}, {"..\\..\\up", ".._.._up.cbr"},
                 {"../x", ".._x.cbr"},      {"CON", "CON_.cbr"},
                 {"a:b", "a_b.cbr"}};
    for (const auto& c : cases) {
        CallReset(*plugin, ExportReset(c.call));
        Result();
        EXPECT_TRUE(FileExists(c.file)) << c.call;
        fs::remove(c.file);
        // Nothing else was written beside the plug-in's own files.
        for (const auto& entry : fs::directory_iterator(fs::current_path())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "Plugins" || name == JournalName()) << c.call << ": " << name;
        }
    }
    EXPECT_FALSE(FileExists(dir->path().parent_path() / "x.cbr"));
    EXPECT_FALSE(FileExists(dir->path().parent_path().parent_path() / "up.cbr"));
}

TEST_F(CabrilloExportTest, EveryResultRequestRewritesTheFile) {
    CallReset(*plugin, ExportReset());
    EXPECT_EQ(CallAddData(*plugin, Qso("K1ABC", "20m", 14085500, "0003", 0)), 1);
    Result();
    const std::string first = ReadFileBytes("DL1ABC_P.cbr");
    EXPECT_NE(first.find("CLAIMED-SCORE: 1\r\n"), std::string::npos) << first;

    fs::remove("DL1ABC_P.cbr");
    EXPECT_EQ(CallAddData(*plugin, Qso("UA3XYZ", "20m", 14086000, "0017", 1)), 1);
    Result();
    const std::string second = ReadFileBytes("DL1ABC_P.cbr");
    EXPECT_NE(second.find("CLAIMED-SCORE: 4\r\n"), std::string::npos) << second;
    // Each logged QSO once: the lines of the first request are not repeated.
    size_t qsoLines = 0;
    for (size_t at = second.find("QSO: "); at != std::string::npos; at = second.find("QSO: ", at + 1))
        ++qsoLines;
    EXPECT_EQ(qsoLines, 2u) << second;
}

TEST_F(CabrilloExportTest, PlainResetWritesNoFile) {
    CallReset(*plugin, ExportReset());
    Result();
    ASSERT_TRUE(FileExists("DL1ABC_P.cbr"));
    fs::remove("DL1ABC_P.cbr");
    HostReset plain = ExportReset();
    plain.cabrilloExport = 0;
    CallReset(*plugin, plain);
    EXPECT_EQ(CallAddData(*plugin, Qso("K1ABC", "20m", 14085500, "0003", 0)), 1);
    EXPECT_EQ(ResultReport(), "");
    EXPECT_FALSE(FileExists("DL1ABC_P.cbr"));
}

TEST_F(CabrilloExportTest, AFileThatCannotBeCreatedIsReportedNotClaimedProduced) {
    fs::create_directory("DL1ABC_P.cbr");
    CallReset(*plugin, ExportReset());
    EXPECT_EQ(CallAddData(*plugin, Qso("K1ABC", "20m", 14085500, "0003", 0)), 1);
    const std::string report = ResultReport();
    EXPECT_EQ(report.rfind("Could not create the file DL1ABC_P.cbr: ", 0), 0u) << report;
    EXPECT_EQ(report.find("File produced"), std::string::npos) << report;
    EXPECT_TRUE(fs::is_directory("DL1ABC_P.cbr"));

    // Once the way is free, the next request writes the file with its one QSO.
    fs::remove("DL1ABC_P.cbr");
    EXPECT_EQ(ResultReport(), "File produced: DL1ABC_P.cbr");
    const std::string file = ReadFileBytes("DL1ABC_P.cbr");
    EXPECT_EQ(file.find("QSO: "), file.rfind("QSO: ")) << file;
}
