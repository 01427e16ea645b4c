// The header form's values from and to the settings file, and what a
// confirmed form leaves in the store (natively the form confirms the
// prepared values unchanged).
#include <gtest/gtest.h>

#include "cabrillo/cabrillo_log.h"
#include "cabrillo/header_form.h"
#include "support/temp_dir.h"

namespace {

const platform::SettingsFile kSettings{"Plugins\\ZOVA-RTTY.ini", "Settings"};

}  // namespace

TEST(CabrilloHeaderForm, FirstUseGivesTheCallsignAndTheFixedCategories) {
    ScopedWorkDir dir;
    const CabrilloFormValues values = PrepareHeaderForm("DL1ABC", kSettings);
    EXPECT_EQ(values.callsign, "DL1ABC");
    EXPECT_EQ(values.operators, "DL1ABC");
    EXPECT_EQ(values.contest, "ZOVA-RTTY ");
    EXPECT_EQ(values.claimed, "");
    EXPECT_EQ(values.name + values.address + values.addressCity + values.addressState +
                  values.addressPostalCode + values.addressCountry + values.email + values.club +
                  values.soapbox,
              "");
    EXPECT_EQ(values.categoryOperator, "SINGLE-OP");
    EXPECT_EQ(values.categoryAssisted, "NON-ASSISTED");
    EXPECT_EQ(values.categoryBand, "ALL");
    EXPECT_EQ(values.categoryMode, "RTTY");
    EXPECT_EQ(values.categoryPower, "HIGH");
    EXPECT_EQ(values.categoryTransmitter, "ONE");
    EXPECT_EQ(values.location, "DX");
    EXPECT_EQ(values.categoryStation, "FIXED");
    EXPECT_EQ(values.categoryOverlay, "");
}

TEST(CabrilloHeaderForm, ReadsTheKeysAndOnlyAnAbsentOperatorsFallsBack) {
    ScopedWorkDir dir;
    WriteFileBytes("Plugins/ZOVA-RTTY.ini",
                   "[Settings]\r\nOperators=\r\nName=Hans\r\nAddress=Main St 1\r\n"
                   "Address-City=Bonn\r\nAddress-State=NRW\r\nAddress-PostalCode=53111\r\n"
                   "Address-Country=Germany\r\nClaimed=1234\r\nEmail=h@x.de\r\nClub=RTTY Club\r\n"
                   "Contest=OTHER\r\nLocation=MA\r\n");
    CabrilloFormValues values = PrepareHeaderForm("DL1ABC", kSettings);
    EXPECT_EQ(values.operators, "");
    EXPECT_EQ(values.name, "Hans");
    EXPECT_EQ(values.address, "Main St 1");
    EXPECT_EQ(values.addressCity, "Bonn");
    EXPECT_EQ(values.addressState, "NRW");
    EXPECT_EQ(values.addressPostalCode, "53111");
    EXPECT_EQ(values.addressCountry, "Germany");
    EXPECT_EQ(values.claimed, "1234");
    EXPECT_EQ(values.email, "h@x.de");
    EXPECT_EQ(values.club, "RTTY Club");
    EXPECT_EQ(values.contest, "ZOVA-RTTY ");  // never read back
    EXPECT_EQ(values.location, "DX");

    WriteFileBytes("Plugins/ZOVA-RTTY.ini", "[Settings]\r\nName=Hans\r\n");
    EXPECT_EQ(PrepareHeaderForm("DL1ABC", kSettings).operators, "DL1ABC");
}

TEST(CabrilloHeaderForm, SoapboxRoundTripsThroughItsCoding) {
    ScopedWorkDir dir;
    CabrilloFormValues values = PrepareHeaderForm("DL1ABC", kSettings);
    values.soapbox = "first line\r\nsecond\rthird\nlast";
    SaveHeaderSettings(values, kSettings);
    EXPECT_EQ(kSettings.Read("SoapBox"), "first line<CR><LF>second<CR>third<LF>last");
    EXPECT_EQ(PrepareHeaderForm("DL1ABC", kSettings).soapbox, values.soapbox);
    // No raw line break ever reaches the file: the address is one line.
    values.address = "a\r\nb";
    SaveHeaderSettings(values, kSettings);
    const std::string file = ReadFileBytes("Plugins/ZOVA-RTTY.ini");
    EXPECT_NE(file.find("Address=a  b"), std::string::npos) << file;
    EXPECT_EQ(file.find("\nb"), std::string::npos) << file;
}

TEST(CabrilloHeaderForm, ALongSoapboxIsSavedWholeAndComesBackCutTo99) {
    ScopedWorkDir dir;
    CabrilloFormValues values = PrepareHeaderForm("DL1ABC", kSettings);
    values.soapbox = std::string(60, 'a') + "\r\n" + std::string(60, 'b');
    SaveHeaderSettings(values, kSettings);
    const std::string coded = std::string(60, 'a') + "<CR><LF>" + std::string(60, 'b');
    EXPECT_NE(ReadFileBytes("Plugins/ZOVA-RTTY.ini").find("SoapBox=" + coded + "\r\n"),
              std::string::npos);
    EXPECT_EQ(PrepareHeaderForm("DL1ABC", kSettings).soapbox,
              std::string(60, 'a') + "\r\n" + std::string(99 - 68, 'b'));
}

TEST(CabrilloHeaderForm, ConfirmationSavesTheKeysAndPreparesTheStore) {
#ifdef _WIN32
    GTEST_SKIP() << "the real form needs a window; the Wine window tests drive it";
#endif
    ScopedWorkDir dir;
    WriteFileBytes("Plugins/ZOVA-RTTY.ini",
                   "[Settings]\r\nName=Hans\r\nAddress=Main St 1<CR><LF>Apt 2\r\n"
                   "SoapBox=one<CR><LF>two<CR><LF>three\r\nClaimed=55\r\nStart=1\r\n");
    CCabrilloLog store;
    store.qsoLines.push_back("old\r\n");
    ASSERT_TRUE(store.EditCabrilloHeader("DL1ABC/P", kSettings));

    EXPECT_EQ(store.fileBase, "DL1ABC_P");
    EXPECT_EQ(store.callsign, "DL1ABC/P");
    EXPECT_EQ(store.operators, "DL1ABC/P");
    EXPECT_EQ(store.claimed, "55");
    EXPECT_EQ(store.soapbox, "one\r\nSOAPBOX: two\r\nSOAPBOX: three");
    EXPECT_EQ(store.address, "Main St 1\r\nADDRESS: Apt 2");
    EXPECT_TRUE(store.qsoLines.empty());

    EXPECT_EQ(kSettings.Read("Operators"), "DL1ABC/P");
    EXPECT_EQ(kSettings.Read("Contest"), "ZOVA-RTTY");  // stored with its blank, read trimmed
    EXPECT_EQ(kSettings.Read("Location"), "DX");
    EXPECT_EQ(kSettings.Read("Address"), "Main St 1<CR><LF>Apt 2");
    EXPECT_EQ(kSettings.Read("SoapBox"), "one<CR><LF>two<CR><LF>three");
    EXPECT_EQ(kSettings.Read("Claimed"), "55");  // not written by the form
    EXPECT_EQ(kSettings.Read("Start"), "1");

    // A second confirmation reads the same values again: nothing grows or is lost.
    const std::string before = ReadFileBytes("Plugins/ZOVA-RTTY.ini");
    ASSERT_TRUE(store.EditCabrilloHeader("DL1ABC/P", kSettings));
    EXPECT_EQ(ReadFileBytes("Plugins/ZOVA-RTTY.ini"), before);
}

TEST(CabrilloHeaderForm, ComboListsAreInTheirOrder) {
    EXPECT_EQ(kArrlSections.size(), 64u);
    EXPECT_STREQ(kArrlSections[0], "DX");
    EXPECT_STREQ(kArrlSections[1], "-/-");
    EXPECT_STREQ(kArrlSections[49], "WY");
    EXPECT_STREQ(kArrlSections[50], "NB");
    EXPECT_STREQ(kArrlSections[63], "PEI");
    for (const char* code : kArrlSections) {
        EXPECT_STRNE(code, "HI");
        EXPECT_STRNE(code, "MD");
    }
    EXPECT_STREQ(kOverlayCategories[0], "MOABST-HP ");
}
