// The Cabrillo file: QSO line columns, the file's layout and how writing fails.
#include <gtest/gtest.h>

#include <filesystem>

#include "cabrillo/cabrillo_log.h"
#include "support/temp_dir.h"

namespace {

const COleDateTime kTime = COleDateTime::FromParts(2021, 3, 6, 9, 5, 0);

CCabrilloLog StoreFor(const std::string& call) {
    CCabrilloLog store;
    store.callsign = call;
    store.fileBase = CabrilloFileBase(call);
    store.location = "DX";
    store.categoryOperator = "SINGLE-OP";
    store.categoryAssisted = "NON-ASSISTED";
    store.categoryBand = "ALL";
    store.categoryMode = "RTTY";
    store.categoryPower = "HIGH";
    store.categoryTransmitter = "ONE";
    return store;
}

}  // namespace

TEST(CabrilloQsoLine, FixedColumnsAndWiderValuesPushRight) {
    const struct {
        int freqKHz;
        const char* call;
        const char* line;
    } cases[] = {
        // 1-5 "QSO: ", 6-10 frequency, 12-13 mode, 15-29 time, 31-43 own call,
        // 45-47 RST, 49-54 exchange, 56-68 call, 70-72 RST, 74- exchange.
        {3580, "UA3ABC", "QSO:  3580 RY 2021-03-06 0905 DL1ABC        599 0042   UA3ABC        599 0017\r\n"},
        {28080, "K1ABC", "QSO: 28080 RY 2021-03-06 0905 DL1ABC        599 0042   K1ABC         599 0017\r\n"},
        {14085, "VE3ABCDEFGHIJK", "QSO: 14085 RY 2021-03-06 0905 DL1ABC        599 0042   VE3ABCDEFGHIJK 599 0017\r\n"},
        {123456, "K1ABC", "QSO: 123456 RY 2021-03-06 0905 DL1ABC        599 0042   K1ABC         599 0017\r\n"},
    };
    for (const auto& c : cases) {
        CCabrilloLog store = StoreFor("DL1ABC");
        store.AddQsoLine(c.call, c.freqKHz, "RY", kTime, "599", "0042", "599", "0017");
        ASSERT_EQ(store.qsoLines.size(), 1u);
        EXPECT_EQ(store.qsoLines[0], c.line);
    }
    // Columns with values of their widths.
    CCabrilloLog store = StoreFor("DL1ABC");
    store.AddQsoLine("UA3ABC", 3580, "RY", kTime, "599", "0042", "579", "0017");
    const std::string& line = store.qsoLines[0];
    EXPECT_EQ(line.substr(5, 5), " 3580");
    EXPECT_EQ(line.substr(11, 2), "RY");
    EXPECT_EQ(line.substr(14, 15), "2021-03-06 0905");
    EXPECT_EQ(line.substr(30, 13), "DL1ABC       ");
    EXPECT_EQ(line.substr(44, 3), "599");
    EXPECT_EQ(line.substr(48, 6), "0042  ");
    EXPECT_EQ(line.substr(55, 13), "UA3ABC       ");
    EXPECT_EQ(line.substr(69, 3), "579");
    EXPECT_EQ(line.substr(73), "0017\r\n");
}

TEST(CabrilloQsoLine, OnlyModeRyAddsALine) {
    CCabrilloLog store = StoreFor("DL1ABC");
    for (const char* mode : {"RTTY", "ry", "RY ", "", "CW"})
        store.AddQsoLine("K1ABC", 14085, mode, kTime, "599", "0042", "599", "0017");
    EXPECT_TRUE(store.qsoLines.empty());
}

TEST(CabrilloQsoLine, DatesThatAreNotValidAndControlCharacters) {
    CCabrilloLog store = StoreFor("DL1ABC");
    store.AddQsoLine("K1ABC", 14085, "RY", COleDateTime(0.0, COleDateTime::invalid), "599", "0042",
                     "599", "0017");
    store.AddQsoLine("K1ABC", 14085, "RY", COleDateTime(0.0, COleDateTime::null), "599", "0042",
                     "599", "0017");
    store.AddQsoLine("K1\r\nQSO: X", 14085, "RY", kTime, "5\t9", "0042", "599", "0017\n");
    ASSERT_EQ(store.qsoLines.size(), 3u);
    EXPECT_EQ(store.qsoLines[0].substr(14, 16), "Invalid DateTime");
    EXPECT_EQ(store.qsoLines[1].substr(0, 16), "QSO: 14085 RY  D");  // empty time, then own call
    EXPECT_EQ(store.qsoLines[2],
              "QSO: 14085 RY 2021-03-06 0905 DL1ABC        5 9 0042   K1  QSO: X    599 0017 \r\n");
}

TEST(CabrilloFile, HeaderLinesInOrderAndTransmitterOnlyForMultiOp) {
    CCabrilloLog store = StoreFor("DL1ABC");
    store.club = "";
    store.name = "Hans";
    store.categoryOperator = "MULTI-OP";
    store.categoryTransmitter = "TWO";
    store.AddQsoLine("K1ABC", 14085, "RY", kTime, "599", "0042", "599", "0017");
    const std::string text = store.FileText(7, "2.19");
    EXPECT_EQ(text,
              "START-OF-LOG: 3.0\r\nARRL-SECTION: DX\r\nCALLSIGN: DL1ABC\r\nCATEGORY: MULTI-OP\r\n"
              "CATEGORY-ASSISTED: NON-ASSISTED\r\nCATEGORY-BAND: ALL\r\nCATEGORY-MODE: RTTY\r\n"
              "CATEGORY-POWER: HIGH\r\nCATEGORY-TRANSMITTER: TWO\r\nCLAIMED-SCORE: 7\r\nCLUB: \r\n"
              "CONTEST: ZOVA RTTY CONTEST\r\nOPERATORS: \r\nNAME: Hans\r\nADDRESS: \r\n"
              "ADDRESS-CITY: \r\nADDRESS-POSTALCODE: \r\nADDRESS-COUNTRY: \r\n"
              "CREATED-BY: Dorv 2.19\r\nEMAIL: \r\nSOAPBOX: \r\n"
              "QSO: 14085 RY 2021-03-06 0905 DL1ABC        599 0042   K1ABC         599 0017\r\n"
              "END-OF-LOG:\r\n");
    for (const char* category : {"multi-op", "SINGLE-OP", "CHECKLOG", "MULTI-OP "}) {
        store.categoryOperator = category;
        EXPECT_EQ(store.FileText(7, "2.19").find("CATEGORY-TRANSMITTER"), std::string::npos)
            << category;
    }
}

TEST(CabrilloFile, ContinuationLinesAreTheOnlyLineBreaks) {
    CCabrilloLog store = StoreFor("DL1ABC");
    store.soapbox = "line one\r\nline two\r\n";
    store.address = "Main St 1<CR><LF>Apt 2";
    store.PrepareForOutput();
    store.name = "Evil\r\nCLAIMED-SCORE: 999999";
    store.email = "a@b\tc";
    const std::string text = store.FileText(0, "");
    EXPECT_NE(text.find("\r\nSOAPBOX: line one\r\nSOAPBOX: line two\r\nSOAPBOX: \r\nEND-OF-LOG:"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\nADDRESS: Main St 1\r\nADDRESS: Apt 2\r\nADDRESS-CITY: "),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\nNAME: Evil  CLAIMED-SCORE: 999999\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nEMAIL: a@b c\r\n"), std::string::npos);
    // Every CR is followed by LF and every LF preceded by CR.
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            EXPECT_EQ(text[i + 1], '\n') << i;
        }
        if (text[i] == '\n') {
            EXPECT_EQ(text[i - 1], '\r') << i;
        }
    }
    // A raw line break put into the prepared soapbox is a blank, not a line.
    store.soapbox = "a\nb\r\nSOAPBOX: c";
    EXPECT_NE(store.FileText(0, "").find("\r\nSOAPBOX: a b\r\nSOAPBOX: c\r\n"), std::string::npos);
}

TEST(CabrilloFile, WritesTheFileAndEmptiesTheQsoLines) {
    ScopedWorkDir dir;
    CCabrilloLog store = StoreFor("DL1ABC/P");
    store.AddQsoLine("K1ABC", 14085, "RY", kTime, "599", "0042", "599", "0017");
    const std::string expected = store.FileText(3, "2.19");
    EXPECT_EQ(store.WriteCabrilloFile(3, "2.19"), "File produced: DL1ABC_P.cbr");
    EXPECT_EQ(ReadFileBytes("DL1ABC_P.cbr"), expected);
    EXPECT_TRUE(store.qsoLines.empty());
    // An empty log: the header, then the end line directly.
    EXPECT_EQ(store.WriteCabrilloFile(3, "2.19"), "File produced: DL1ABC_P.cbr");
    const std::string empty = ReadFileBytes("DL1ABC_P.cbr");
    EXPECT_NE(empty.find("SOAPBOX: \r\nEND-OF-LOG:\r\n"), std::string::npos);
    EXPECT_EQ(empty.find("QSO:"), std::string::npos);
}

TEST(CabrilloFile, AFileThatCannotBeCreatedIsReportedAsSuch) {
    ScopedWorkDir dir;
    std::filesystem::create_directory("DL1ABC.cbr");  // a folder where the file should go
    CCabrilloLog store = StoreFor("DL1ABC");
    store.AddQsoLine("K1ABC", 14085, "RY", kTime, "599", "0042", "599", "0017");
    const std::string report = store.WriteCabrilloFile(3, "2.19");
    EXPECT_EQ(report.rfind("Could not create the file DL1ABC.cbr: ", 0), 0u) << report;
    EXPECT_GT(report.size(), std::string("Could not create the file DL1ABC.cbr: ").size());
    EXPECT_TRUE(store.qsoLines.empty());  // the next request does not list them twice
}

#ifndef _WIN32
TEST(CabrilloFile, AFileThatCannotBeWrittenIsReportedAsSuch) {
    ScopedWorkDir dir;
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    std::filesystem::create_symlink("/dev/full", "DL1ABC.cbr");
    CCabrilloLog store = StoreFor("DL1ABC");
    const std::string report = store.WriteCabrilloFile(3, "2.19");
    EXPECT_EQ(report.rfind("Could not write the file DL1ABC.cbr: ", 0), 0u) << report;
    EXPECT_NE(report.find("No space left on device"), std::string::npos) << report;
}
#endif
