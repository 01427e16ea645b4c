// The Cabrillo header form for real: Stats.dll shows dialog 101 inside
// ResetStats0 on the main thread while a second thread finds it, checks it,
// types into it and presses OK or CANCEL. Then the settings keys and, after
// AddData0 and GetResult0, the written file are checked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "host_calls.h"
#include "resource.h"
#include "support/host_path.h"
#include "support/temp_dir.h"
#include "wine/window_driver.h"

namespace fs = std::filesystem;

namespace {

std::string PluginPath() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    return DefaultPluginPath(program);
}

HostQso Qso(const std::string& call, const std::string& band, unsigned freqHz,
            const std::string& exchReceived, int minutes) {
    HostQso qso;
    qso.ownCall = "DL1ABC";
    qso.call = call;
    qso.band = band;
    qso.freqHz = freqHz;
    qso.exchSent = "0042";
    qso.exchReceived = exchReceived;
    qso.time = COleDateTime(COleDateTime::FromParts(2021, 3, 6, 12, 0, 0).m_dt + minutes / 1440.0);
    return qso;
}

const char kSettings[] = "Plugins/ZOVA-RTTY.ini";

class CabrilloFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::make_unique<ScopedWorkDir>();
        plugin = std::make_unique<PluginLibrary>(PluginPath());
    }
    void TearDown() override {
        plugin.reset();
        dir.reset();
    }

    int ExportReset(const std::string& call = "DL1ABC") {
        HostReset reset;
        reset.folder = dir->path().string() + "\\";
        reset.cabrilloExport = 1;
        reset.ownCall = call;
        reset.start = COleDateTime::FromParts(2021, 3, 6, 0, 0, 0);
        reset.end = COleDateTime::FromParts(2021, 3, 7, 23, 59, 0);
        reset.ownPrefix = "DL";
        return CallReset(*plugin, reset);
    }

    // GetResult0 with an operator who closes its "Output" box; the boxes' texts.
    std::vector<std::string> ResultWithBoxes() {
        OutputBoxCloser closer;
        int out = 0;
        plugin->GetResult0(&out);
        EXPECT_EQ(out, -1);
        return closer.Stop();
    }

    std::unique_ptr<ScopedWorkDir> dir;
    std::unique_ptr<PluginLibrary> plugin;
};

struct ControlSpec {
    int id;
    int x, y, width, height;
    bool combo;
    bool visible;
    bool tabStop;
};

// Dialog 101 as the operator sees it (and its hidden controls).
const ControlSpec kControls[] = {
    {IDC_CAB_CONTEST, 55, 9, 190, 12, false, true, false},
    {IDC_CAB_CALLSIGN, 55, 23, 88, 12, false, true, false},
    {IDC_CAB_CLAIMED, 184, 23, 61, 12, false, true, false},
    {IDC_CAB_CATEGORY_OPERATOR, 105, 38, 114, 47, true, true, true},
    {IDC_CAB_CATEGORY_ASSISTED, 105, 52, 113, 39, true, true, true},
    {IDC_CAB_CATEGORY_BAND, 105, 67, 113, 107, true, true, true},
    {IDC_CAB_CATEGORY_MODE, 105, 82, 113, 47, true, true, true},
    {IDC_CAB_CATEGORY_POWER, 105, 95, 113, 47, true, true, true},
    {IDC_CAB_CATEGORY_TRANSMITTER, 105, 108, 113, 40, true, true, true},
    {IDC_CAB_NAME, 55, 150, 191, 12, false, true, false},
    {IDC_CAB_ADDRESS, 55, 163, 191, 13, false, true, false},
    {IDC_CAB_ADDRESS_CITY, 119, 177, 127, 13, false, true, false},
    {IDC_CAB_ADDRESS_POSTALCODE, 119, 191, 127, 13, false, true, false},
    {IDC_CAB_ADDRESS_COUNTRY, 89, 204, 158, 13, false, true, false},
    {IDC_CAB_OPERATORS, 55, 218, 191, 12, false, true, false},
    {IDC_CAB_CLUB, 55, 231, 191, 12, false, true, false},
    {IDC_CAB_SOAPBOX, 55, 244, 191, 31, false, true, true},
    {IDC_CAB_EMAIL, 55, 276, 191, 12, false, true, false},
    {IDOK, 80, 312, 51, 21, false, true, false},
    {IDCANCEL, 148, 312, 46, 21, false, true, false},
    {IDC_CAB_ADDRESS_STATE, 0, 0, 0, 0, false, false, false},
    {IDC_CAB_CATEGORY_STATION, 0, 0, 0, 0, true, false, true},
    {IDC_CAB_CATEGORY_OVERLAY, 0, 0, 0, 0, true, false, true},
    {IDC_CAB_ARRL_SECTION, 0, 0, 0, 0, true, false, true},
};

// Checks the form as it opens: window, controls, lists, prepared values.
void CheckTemplate(HWND form) {
    const LONG style = GetWindowLongA(form, GWL_STYLE);
    for (LONG bit : {LONG(WS_POPUP), LONG(WS_CAPTION), LONG(WS_SYSMENU), LONG(DS_MODALFRAME)})
        EXPECT_EQ(style & bit, bit) << std::hex << bit;
    EXPECT_EQ(GetParent(form), nullptr);
    RECT client{};
    GetClientRect(form, &client);
    const RECT size = DialogUnitsRect(form, 0, 0, 255, 361);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    for (const ControlSpec& expected : kControls) {
        SCOPED_TRACE(expected.id);
        HWND control = GetDlgItem(form, expected.id);
        ASSERT_NE(control, nullptr);
        const LONG controlStyle = GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ(IsWindowVisible(control) != 0, expected.visible);
        EXPECT_EQ((controlStyle & WS_TABSTOP) != 0, expected.tabStop);
        if (expected.combo) {
            EXPECT_EQ(controlStyle & 3, CBS_DROPDOWN);
        }
        if (!expected.visible) continue;
        // Position and size map separately, as the dialog manager creates controls.
        const RECT at = DialogUnitsRect(form, expected.x, expected.y, 0, 0);
        const RECT size = DialogUnitsRect(form, 0, 0, expected.width, expected.height);
        const RECT got = ControlRect(form, expected.id);
        EXPECT_EQ(got.left, at.left);
        EXPECT_EQ(got.top, at.top);
        EXPECT_EQ(got.right - got.left, size.right);
        // A combo box's template height is its dropped-down height, which
        // Windows and Wine report differently: only edits and buttons compare it.
        if (!expected.combo) {
            EXPECT_EQ(got.bottom - got.top, size.bottom);
        }
    }
    // Neither button is the default button.
    for (int id : {IDOK, IDCANCEL})
        EXPECT_EQ(GetWindowLongA(GetDlgItem(form, id), GWL_STYLE) & 0x0f, BS_PUSHBUTTON);
    EXPECT_EQ(ItemText(form, IDOK), "OK");
    EXPECT_EQ(ItemText(form, IDCANCEL), "CANCEL");
    // The soapbox: several lines, vertical scroll bar, Enter starts a new line.
    const LONG soapbox = GetWindowLongA(GetDlgItem(form, IDC_CAB_SOAPBOX), GWL_STYLE);
    for (LONG bit : {LONG(ES_MULTILINE), LONG(ES_WANTRETURN), LONG(WS_VSCROLL)})
        EXPECT_EQ(soapbox & bit, bit);
    // The address fields do not scroll horizontally; the other one-line edits do.
    for (int id : {IDC_CAB_ADDRESS, IDC_CAB_ADDRESS_CITY, IDC_CAB_ADDRESS_POSTALCODE,
                   IDC_CAB_ADDRESS_COUNTRY})
        EXPECT_EQ(GetWindowLongA(GetDlgItem(form, id), GWL_STYLE) & ES_AUTOHSCROLL, 0) << id;
    for (int id : {IDC_CAB_CONTEST, IDC_CAB_CALLSIGN, IDC_CAB_NAME, IDC_CAB_OPERATORS, IDC_CAB_CLUB,
                   IDC_CAB_EMAIL})
        EXPECT_NE(GetWindowLongA(GetDlgItem(form, id), GWL_STYLE) & ES_AUTOHSCROLL, 0) << id;
    EXPECT_NE(GetWindowLongA(GetDlgItem(form, IDC_CAB_CATEGORY_OVERLAY), GWL_STYLE) & CBS_SORT, 0);

    // The hidden group box and the labels.
    bool groupBox = false;
    std::vector<std::string> labels;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        const std::string text = WindowText(child);
        const LONG childStyle = GetWindowLongA(child, GWL_STYLE);
        if (std::string(className) == "Button" && (childStyle & 0x0f) == BS_GROUPBOX) {
            groupBox = text == "Static" && !IsWindowVisible(child);
        } else if (std::string(className) == "Static" && IsWindowVisible(child)) {
            labels.push_back(text);
        }
    }
    EXPECT_TRUE(groupBox);
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "CONTEST", "CALLSIGN", "CLAIMED", "CATEGORY-OPERATOR",
                          "CATEGORY-ASSISTED", "CATEGORY-BAND", "CATEGORY-MODE", "CATEGORY-POWER",
                          "CATEGORY-TRANSMITTER", "NAME", "ADDRESS", "ADDRESS-CITY",
                          "ADDRESS-POSTALCODE", "ADDRESS-COUNTRY", "OPERATORS", "CLUB", "SOAPBOX",
                          "E-MAIL"}));

    // The lists in their order.
    using Items = std::vector<std::string>;
    EXPECT_EQ(ComboItems(form, IDC_CAB_CATEGORY_OPERATOR), (Items{"SINGLE-OP", "MULTI-OP", "CHECKLOG"}));
    EXPECT_EQ(ComboItems(form, IDC_CAB_CATEGORY_ASSISTED), (Items{"ASSISTED", "NON-ASSISTED"}));
    EXPECT_EQ(ComboItems(form, IDC_CAB_CATEGORY_BAND), (Items{"ALL", "80M", "40M", "20M", "15M", "10M"}));
    EXPECT_EQ(ComboItems(form, IDC_CAB_CATEGORY_MODE), (Items{"RTTY"}));
    EXPECT_EQ(ComboItems(form, IDC_CAB_CATEGORY_POWER), (Items{"HIGH", "LOW", "QRP"}));
    EXPECT_EQ(ComboItems(form, IDC_CAB_CATEGORY_TRANSMITTER), (Items{"ONE", "TWO", "UNLIMITED"}));
    EXPECT_EQ(ComboItems(form, IDC_CAB_CATEGORY_STATION), (Items{"FIXED"}));
    EXPECT_EQ(ComboItems(form, IDC_CAB_CATEGORY_OVERLAY),
              (Items{"MOABST-HP ", "SOAB-HP-12h", "SOAB-LP-12h", "SOAB-QRP-12h"}));
    const Items sections = ComboItems(form, IDC_CAB_ARRL_SECTION);
    ASSERT_EQ(sections.size(), 64u);
    EXPECT_EQ(sections[0], "DX");
    EXPECT_EQ(sections[1], "-/-");
    EXPECT_EQ(sections[2], "AL");
    EXPECT_EQ(sections[49], "WY");
    EXPECT_EQ(sections[63], "PEI");

    // The fixed values, each selected in its list.
    const struct {
        int id;
        int index;
        const char* text;
    } selected[] = {{IDC_CAB_CATEGORY_OPERATOR, 0, "SINGLE-OP"}, {IDC_CAB_CATEGORY_ASSISTED, 1, "NON-ASSISTED"},
                    {IDC_CAB_CATEGORY_BAND, 0, "ALL"},          {IDC_CAB_CATEGORY_MODE, 0, "RTTY"},
                    {IDC_CAB_CATEGORY_POWER, 0, "HIGH"},        {IDC_CAB_CATEGORY_TRANSMITTER, 0, "ONE"},
                    {IDC_CAB_CATEGORY_STATION, 0, "FIXED"},     {IDC_CAB_ARRL_SECTION, 0, "DX"}};
    for (const auto& s : selected) {
        EXPECT_EQ(SendMessageA(GetDlgItem(form, s.id), CB_GETCURSEL, 0, 0), s.index) << s.id;
        EXPECT_EQ(ItemText(form, s.id), s.text);
    }
    EXPECT_EQ(ItemText(form, IDC_CAB_CONTEST), "ZOVA-RTTY ");
}

fs::path GoldenFile(const std::string& name) {
    return HostPath(std::string(STATS_SOURCE_DIR) + "/tests/golden/cabrillo/" + name);
}

}  // namespace

TEST_F(CabrilloFormTest, OpensWithTheTemplateAndTheSettingsAndCancelWritesNothing) {
    const std::string settings =
        "[Settings]\r\nName=Hans Muster\r\nAddress=Hauptstr. 1\r\nAddress-City=Bonn\r\n"
        "Address-State=NRW\r\nAddress-PostalCode=53111\r\nAddress-Country=Germany\r\n"
        "Claimed=77\r\nEmail=dl1abc@example.org\r\nClub=RTTY Club\r\n"
        "SoapBox=one<CR><LF>two\r\nStart=1\r\n";
    WriteFileBytes(kSettings, settings);
    {
        OperatorThread op([] {
            HWND form = WaitForDialog("ZOVA-RTTY");
            ASSERT_NE(form, nullptr) << "the header form did not open";
            CheckTemplate(form);
            const struct {
                int id;
                const char* text;
            } prepared[] = {{IDC_CAB_CALLSIGN, "DL1ABC/P"},      {IDC_CAB_OPERATORS, "DL1ABC/P"},
                            {IDC_CAB_NAME, "Hans Muster"},       {IDC_CAB_ADDRESS, "Hauptstr. 1"},
                            {IDC_CAB_ADDRESS_CITY, "Bonn"},      {IDC_CAB_ADDRESS_STATE, "NRW"},
                            {IDC_CAB_ADDRESS_POSTALCODE, "53111"}, {IDC_CAB_ADDRESS_COUNTRY, "Germany"},
                            {IDC_CAB_CLAIMED, "77"},             {IDC_CAB_EMAIL, "dl1abc@example.org"},
                            {IDC_CAB_CLUB, "RTTY Club"},         {IDC_CAB_SOAPBOX, "one\r\ntwo"}};
            for (const auto& p : prepared) EXPECT_EQ(ItemText(form, p.id), p.text) << p.id;
            // Typing, then CANCEL: nothing of it is kept.
            SetItemText(form, IDC_CAB_NAME, "Somebody Else");
            PressButton(form, IDCANCEL);
            EXPECT_TRUE(WaitUntilGone(form));
        });
        EXPECT_EQ(ExportReset("DL1ABC/P"), 1);
    }
    EXPECT_EQ(ReadFileBytes(kSettings), "[Settings]\r\nName=Hans Muster\r\nAddress=Hauptstr. 1\r\n"
                                        "Address-City=Bonn\r\nAddress-State=NRW\r\n"
                                        "Address-PostalCode=53111\r\nAddress-Country=Germany\r\n"
                                        "Claimed=77\r\nEmail=dl1abc@example.org\r\nClub=RTTY Club\r\n"
                                        "SoapBox=one<CR><LF>two\r\nStart=0\r\n");
    EXPECT_EQ(CallAddData(*plugin, Qso("K1ABC", "20m", 14085500, "0003", 0)), 1);
    EXPECT_TRUE(ResultWithBoxes().empty());
    EXPECT_FALSE(FileExists("DL1ABC_P.cbr"));
}

TEST_F(CabrilloFormTest, ConfirmedFormSavesItsKeysAndTheFileFollowsIt) {
    WriteFileBytes(kSettings, "[Settings]\r\nName=Hans Muster\r\nAddress-State=NRW\r\n");
    WriteFileBytes("Dorv2.ini", "Dorv=2.19\r\n");
    {
        OperatorThread op([] {
            HWND form = WaitForDialog("ZOVA-RTTY");
            ASSERT_NE(form, nullptr) << "the header form did not open";
            SetItemText(form, IDC_CAB_CALLSIGN, "DL1ABC/M");
            SetItemText(form, IDC_CAB_CLAIMED, "999999");
            SendMessageA(GetDlgItem(form, IDC_CAB_CATEGORY_OPERATOR), CB_SETCURSEL, 1, 0);  // MULTI-OP
            SendMessageA(GetDlgItem(form, IDC_CAB_CATEGORY_TRANSMITTER), CB_SELECTSTRING, WPARAM(-1),
                         reinterpret_cast<LPARAM>("TW"));
            SendMessageA(GetDlgItem(form, IDC_CAB_CATEGORY_BAND), CB_SETCURSEL, 3, 0);  // 20M
            SetItemText(form, IDC_CAB_CATEGORY_POWER, "low");  // typed, not picked
            SetItemText(form, IDC_CAB_ADDRESS, "Hauptstr. 1<CR><LF>Hinterhaus");
            SetItemText(form, IDC_CAB_ADDRESS_CITY, "Bonn");
            SetItemText(form, IDC_CAB_ADDRESS_POSTALCODE, "53111");
            SetItemText(form, IDC_CAB_ADDRESS_COUNTRY, "Germany");
            SetItemText(form, IDC_CAB_OPERATORS, "DL1ABC DL2XYZ");
            SetItemText(form, IDC_CAB_CLUB, "");
            SetItemText(form, IDC_CAB_EMAIL, "dl1abc@example.org");
            SetItemText(form, IDC_CAB_SOAPBOX, "Great contest!\r\nTwo operators\r\n73");
            PressButton(form, IDOK);
            EXPECT_TRUE(WaitUntilGone(form));
        });
        EXPECT_EQ(ExportReset("DL1ABC"), 1);
    }
    const std::string settings = ReadFileBytes(kSettings);
    for (const char* line :
         {"Name=Hans Muster\r\n", "Address-State=NRW\r\n", "Operators=DL1ABC DL2XYZ\r\n",
          "Address=Hauptstr. 1<CR><LF>Hinterhaus\r\n", "Address-City=Bonn\r\n",
          "Address-PostalCode=53111\r\n", "Address-Country=Germany\r\n", "Contest=ZOVA-RTTY",
          "Email=dl1abc@example.org\r\n", "Club=\r\n", "Location=DX\r\n",
          "SoapBox=Great contest!<CR><LF>Two operators<CR><LF>73\r\n", "Start=0\r\n"})
        EXPECT_NE(settings.find(line), std::string::npos) << line << "\n" << settings;
    for (const char* absent : {"Callsign", "999999", "MULTI", "TWO", "low", "20M"})
        EXPECT_EQ(settings.find(absent), std::string::npos) << absent;

    EXPECT_EQ(CallAddData(*plugin, Qso("UA3XYZ", "80m", 3580000, "0017", 0)), 1);
    EXPECT_EQ(CallAddData(*plugin, Qso("K1ABC", "20m", 14085500, "0003", 7)), 1);
    EXPECT_EQ(CallAddData(*plugin, Qso("K1ABC", "20m", 14086000, "0003", 9)), 1);
    EXPECT_EQ(ResultWithBoxes(), (std::vector<std::string>{"File produced: DL1ABC.cbr"}));
    const std::string produced = ReadFileBytes("DL1ABC.cbr");
    const char* update = std::getenv("STATS_UPDATE_GOLDEN");
    if (update && *update) WriteFileBytes(GoldenFile("multi_op.cbr"), produced);
    EXPECT_EQ(produced, ReadFileBytes(GoldenFile("multi_op.cbr")));
    EXPECT_NE(ReadFileBytes(kSettings).find("Claimed=4\r\n"), std::string::npos);

    // A second request writes the file again, with every QSO once.
    fs::remove("DL1ABC.cbr");
    EXPECT_EQ(ResultWithBoxes().size(), 1u);
    EXPECT_EQ(ReadFileBytes("DL1ABC.cbr"), produced);
}

TEST_F(CabrilloFormTest, LongValuesAreReadBackWhole) {
    // 99 characters each: what the settings file gives back at most.
    const std::string address(99, 'A');
    const std::string soapbox = std::string(40, 's') + "<CR><LF>" + std::string(51, 't');
    WriteFileBytes(kSettings, "[Settings]\r\nAddress=" + address + "\r\nSoapBox=" + soapbox + "\r\n");
    const std::string longName(300, 'n');
    {
        OperatorThread op([&] {
            HWND form = WaitForDialog("ZOVA-RTTY");
            ASSERT_NE(form, nullptr) << "the header form did not open";
            EXPECT_EQ(ItemText(form, IDC_CAB_ADDRESS), address);
            SetItemText(form, IDC_CAB_NAME, longName);
            PressButton(form, IDOK);
            EXPECT_TRUE(WaitUntilGone(form));
        });
        ExportReset();
    }
    const std::string settings = ReadFileBytes(kSettings);
    EXPECT_NE(settings.find("\r\nAddress=" + address + "\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("\r\nSoapBox=" + soapbox + "\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("\r\nName=" + longName + "\r\n"), std::string::npos) << settings;
    ResultWithBoxes();
    EXPECT_NE(ReadFileBytes("DL1ABC.cbr").find("\r\nNAME: " + longName + "\r\n"), std::string::npos);
}

TEST_F(CabrilloFormTest, EnterInAOneLineFieldConfirmsAndTheCloseBoxCancels) {
    {
        OperatorThread op([] {
            HWND form = WaitForDialog("ZOVA-RTTY");
            ASSERT_NE(form, nullptr) << "the header form did not open";
            // Enter in the soapbox starts a new line and leaves the form open.
            HWND soapbox = GetDlgItem(form, IDC_CAB_SOAPBOX);
            SetItemText(form, IDC_CAB_SOAPBOX, "first");
            SendMessageA(soapbox, EM_SETSEL, 5, 5);
            PostMessageA(soapbox, WM_KEYDOWN, VK_RETURN, 0x001c0001);
            const DWORD start = GetTickCount();
            while (ItemText(form, IDC_CAB_SOAPBOX) == "first" && GetTickCount() - start < 5000) Sleep(10);
            EXPECT_EQ(ItemText(form, IDC_CAB_SOAPBOX), "first\r\n");
            Sleep(200);
            EXPECT_TRUE(IsWindowVisible(form)) << "Enter in the soapbox closed the form";
            SetItemText(form, IDC_CAB_SOAPBOX, "first\r\nsecond");

            HWND club = GetDlgItem(form, IDC_CAB_CLUB);
            SetItemText(form, IDC_CAB_CLUB, "Enter Club");
            PostMessageA(club, WM_KEYDOWN, VK_RETURN, 0x001c0001);
            EXPECT_TRUE(WaitUntilGone(form, 5000)) << "Enter did not confirm the form";
        });
        ExportReset();
    }
    EXPECT_NE(ReadFileBytes(kSettings).find("Club=Enter Club\r\n"), std::string::npos);
    EXPECT_NE(ReadFileBytes(kSettings).find("SoapBox=first<CR><LF>second\r\n"), std::string::npos);
    ResultWithBoxes();
    EXPECT_TRUE(FileExists("DL1ABC.cbr"));
    fs::remove("DL1ABC.cbr");

    {
        OperatorThread op([] {
            HWND form = WaitForDialog("ZOVA-RTTY");
            ASSERT_NE(form, nullptr) << "the header form did not open";
            SetItemText(form, IDC_CAB_CLUB, "Closed Club");
            PostMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
            EXPECT_TRUE(WaitUntilGone(form, 5000)) << "the close box did not close the form";
        });
        ExportReset();
    }
    EXPECT_NE(ReadFileBytes(kSettings).find("Club=Enter Club\r\n"), std::string::npos);
    EXPECT_TRUE(ResultWithBoxes().empty());
    EXPECT_FALSE(FileExists("DL1ABC.cbr"));
}
