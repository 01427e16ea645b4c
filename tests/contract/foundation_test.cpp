// The host's view of the plug-in's spine: the fixed answers, the reset's files
// and settings, and robustness against null arguments.
#include <cstring>

#include "contract/plugin_fixture.h"

#if defined(_WIN32)
#include <windows.h>

#include <atomic>
#include <thread>
#endif

namespace fs = std::filesystem;

TEST_F(PluginTest, AnswersTheFixedQueries) {
    EXPECT_EQ(plugin->GetNumberOfSets(), 1);
    EXPECT_STREQ(plugin->GetSetName(0), "ZOVA WW RTTY CONTEST(C) ");
    for (int index : {1, -1, 7}) {
        const char* name = plugin->GetSetName(index);
        ASSERT_NE(name, nullptr);
        EXPECT_STREQ(name, "");
    }
    EXPECT_EQ(plugin->GetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(plugin->setVersion("any"), 0u);
    EXPECT_EQ(plugin->setVersion(nullptr), 0u);
}

TEST_F(PluginTest, ExchangeIsExactlyFourDigits) {
    const struct {
        const char* exchange;
        int valid;
    } cases[] = {{"0599", 1}, {"1234", 1}, {"0000", 1}, {"599", 0},    {"05991", 0},
                 {"0599 ", 0}, {" 599", 0}, {"12a4", 0}, {"", 0},      {nullptr, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(plugin->IsValidExchg0(c.exchange, "x", nullptr, "", 0, 1, 2), c.valid)
            << (c.exchange ? c.exchange : "(null)");
}

TEST_F(PluginTest, ResetCreatesTheJournalNamedAfterTheEndDate) {
    HostReset reset = DefaultReset();
    reset.start = COleDateTime::FromParts(2021, 2, 27, 12, 0, 0);
    reset.end = COleDateTime::FromParts(2021, 3, 7, 11, 59, 0);
    EXPECT_EQ(CallReset(*plugin, reset), 1);
    EXPECT_EQ(ReadFileBytes("BadQSO_StatsZOVARTTY_07_03_2021.txt"), "ZOVA WW RTTY CONTEST UBN file \r\n");
    EXPECT_FALSE(FileExists("BadQSO_StatsZOVARTTY_27_02_2021.txt"));

    // A second reset truncates it to the header again.
    WriteFileBytes("BadQSO_StatsZOVARTTY_07_03_2021.txt", "old\r\nlines\r\n");
    CallReset(*plugin, reset);
    EXPECT_EQ(ReadFileBytes("BadQSO_StatsZOVARTTY_07_03_2021.txt"), "ZOVA WW RTTY CONTEST UBN file \r\n");
}

TEST_F(PluginTest, StartKeyAlternatesOnPlainResets) {
    const HostReset reset = DefaultReset();
    CallReset(*plugin, reset);
    EXPECT_NE(Settings().find("Start=1"), std::string::npos) << Settings();
    CallReset(*plugin, reset);
    EXPECT_NE(Settings().find("Start=0"), std::string::npos) << Settings();
    CallReset(*plugin, reset);
    EXPECT_NE(Settings().find("Start=1"), std::string::npos) << Settings();
}

TEST_F(PluginTest, ExportResetAlwaysLeavesStartAtZero) {
    HostReset reset = DefaultReset();
    reset.cabrilloExport = 1;
    for (int round = 0; round < 2; ++round) {
        CallReset(*plugin, reset);
        EXPECT_NE(Settings().find("Start=0"), std::string::npos) << Settings();
    }
}

TEST_F(PluginTest, StartKeyWithoutSettingsFolderDoesNotStopTheReset) {
    fs::remove_all("Plugins");
    EXPECT_EQ(CallReset(*plugin, DefaultReset()), 1);
    EXPECT_TRUE(FileExists(JournalName()));
    EXPECT_FALSE(FileExists("Plugins"));
}

TEST_F(PluginTest, NullArgumentsReadAsEmptyAndNeverCrash) {
    const char* n = nullptr;
    EXPECT_EQ(plugin->ResetStats0(n, 0, n, nullptr, nullptr, n, n, n, n, n, n, n, n, n, n, 0, 0, 0,
                                  0.0, 0.0, n, n, n),
              1);
    EXPECT_EQ(plugin->AddData0(n, n, nullptr, nullptr, nullptr, nullptr, 0, 0, n, n, n, n, n, n, n,
                               n, n, n, n, n, n, n, n, 0, 0, 0, 0.0, 0.0, n, n, n, n, n),
              0);
    EXPECT_EQ(plugin->RemoveData0(n, n, nullptr, nullptr, nullptr, nullptr, 0, 0, n, n, n, n, n, n,
                                  n, n, n, n, n, n, n, n, n, 0, 0, 0, 0.0, 0.0, n, n, n, n, n),
              1);
    plugin->CheckCall0(n, 0, 0, n, n, n, n, n, n, n, n, n, n, n, 0, 0, 0, 0.0, 0.0, n, n, n, n, n, n,
                       n, nullptr, nullptr);
    EXPECT_NE(plugin->GetResult0(nullptr), nullptr);
    // A null end date is a null date: its text is empty.
    EXPECT_TRUE(FileExists("BadQSO_StatsZOVARTTY_.txt"));
}

TEST_F(PluginTest, HostVersionSelectsTheCallCheckCode) {
    // Host file in the searched folder and a Dorv2.ini in the current directory:
    // the version comes from the first line that holds "Dorv=".
    fs::create_directories("host");
    WriteFileBytes("host/Dorv2.ini", "[x]\r\n");
    WriteFileBytes("host/other.ini", "");
    HostReset reset = DefaultReset();
    reset.folder = (dir->path() / "host").string() + "/";
    const struct {
        const char* file;  // the current directory's Dorv2.ini, nullptr for none
        int code;          // CheckCall0 for a call on a band outside the contest
    } cases[] = {{"[Main]\r\nDorv=2.19\r\nDorv=2.20\r\n", 1},
                 {"Dorv=2.20\n", 1},
                 {"Dorv=2.21\r\n", 4},
                 {"Dorv=2.19 \r\n", 4},  // exact comparison
                 {"xDorv=2.19\r\n", 4}}; // first five characters dropped: "=2.19"
    for (const auto& c : cases) {
        WriteFileBytes("Dorv2.ini", c.file);
        CallReset(*plugin, reset);
        EXPECT_EQ(CallCheckCall(*plugin, "DL1XYZ", "RTTY", "DL", "160m", "160m"), c.code) << c.file;
    }
}

TEST_F(PluginTest, HostVersionKeptWhenTheFileHasNoVersionLine) {
    fs::create_directories("host");
    WriteFileBytes("host/Dorv2.ini", "");
    HostReset reset = DefaultReset();
    reset.folder = (dir->path() / "host").string() + "/";
    WriteFileBytes("Dorv2.ini", "Dorv=2.20\r\n");
    CallReset(*plugin, reset);
    WriteFileBytes("Dorv2.ini", "[Main]\r\nVersion=3\r\n");
    CallReset(*plugin, reset);
    EXPECT_EQ(CallCheckCall(*plugin, "DL1XYZ", "RTTY", "DL", "160m", "160m"), 1);

    // Nothing named Dorv2.ini in the folder (small letters do not count): "Dorv".
    fs::remove("host/Dorv2.ini");
    WriteFileBytes("host/dorv2.ini", "");
    CallReset(*plugin, reset);
    EXPECT_EQ(CallCheckCall(*plugin, "DL1XYZ", "RTTY", "DL", "160m", "160m"), 4);
}

#if !defined(_WIN32)
TEST_F(PluginTest, SetupSendsItsMessageToStandardErrorNatively) {
    ::testing::internal::CaptureStderr();
    plugin->SetupSet0();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("No additional setup for this plugin"),
              std::string::npos);
}
#else
// SetupSet0 blocks in a real modal box: a second thread plays the operator,
// reads the box and presses OK.
TEST_F(PluginTest, SetupShowsAModalBoxWithOneButtonAndTheSystemCaption) {
    struct Box {
        std::string caption, text;
        int buttons = 0;
    } seen;
    std::atomic<bool> returned{false};
    std::thread operatorThread([&] {
        for (int tries = 0; tries < 500 && !returned; ++tries) {  // about 10 s
            for (HWND box = FindWindowExA(nullptr, nullptr, "#32770", nullptr); box;
                 box = FindWindowExA(nullptr, box, "#32770", nullptr)) {
                DWORD process = 0;
                GetWindowThreadProcessId(box, &process);
                if (process != GetCurrentProcessId() || !IsWindowVisible(box)) continue;
                char buffer[512] = {};
                GetWindowTextA(box, buffer, sizeof buffer);
                seen.caption = buffer;
                for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                    char kind[32] = {};
                    GetClassNameA(child, kind, sizeof kind);
                    GetWindowTextA(child, buffer, sizeof buffer);
                    if (_stricmp(kind, "Button") == 0) ++seen.buttons;
                    if (_stricmp(kind, "Static") == 0 && std::strlen(buffer) > seen.text.size())
                        seen.text = buffer;
                }
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(20);
        }
    });
    plugin->SetupSet0();
    returned = true;
    operatorThread.join();
    EXPECT_EQ(seen.text, "No additional setup for this plugin");
    EXPECT_EQ(seen.caption, "Error");  // no caption of its own
    EXPECT_EQ(seen.buttons, 1);
}
#endif
