#include <gtest/gtest.h>

#include "log_format.h"

namespace {

TEST(LogFormat, DetectedByContentNotName) {
    const struct {
        const char* text;
        std::optional<LogFormat> format;
    } cases[] = {
        {"\n\n  START-OF-LOG: 3.0\nCALLSIGN: X\n", LogFormat::cabrillo},
        {"start-of-log: 3.0\n<CALL:4>AB1C <EOR>\n", LogFormat::cabrillo},  // first line decides
        {"my log\n<adif_ver:5>3.1.4<eoh>", LogFormat::adif},
        {"<call:4>AB1C <qso_date:8>20260307 <eor>", LogFormat::adif},
        {"<CALL:4>AB1C", LogFormat::adif},
        {"CALLSIGN: X\nQSO: 7040 RY 2026-03-07 1200 X 599 1 Y 599 2\n", LogFormat::cabrillo},
        {"just some text\nwith QSO: in the middle\n", std::nullopt},
        {"", std::nullopt},
        {"\xff\xfe\x00garbage", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectLogFormat(c.text), c.format) << c.text;
}

TEST(LogFormat, ReadLogRefusesTextsWithoutQsos) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "neither an ADIF nor a Cabrillo log (no ADIF tags, no QSO: lines)"},
        {"hello\n", "neither an ADIF nor a Cabrillo log (no ADIF tags, no QSO: lines)"},
        {"exported\n<PROGRAMID:3>abc <EOH>\n", "the ADIF log holds no QSO"},
        {"START-OF-LOG: 3.0\nCALLSIGN: DL5ZOV\nEND-OF-LOG:\n", "the Cabrillo log holds no QSO"},
    };
    for (const auto& c : cases) {
        try {
            ReadLog(c.text);
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const LogError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(LogFormat, OwnCallFromFirstRecordThatNamesOne) {
    const ParsedLog log = ReadLog(
        "<CALL:4>AB1C <QSO_DATE:8>20260307 <TIME_ON:4>1200 <EOR>\n"
        "<CALL:4>AB2C <QSO_DATE:8>20260307 <TIME_ON:4>1201 <OPERATOR:5>ok1ab <EOR>\n");
    EXPECT_EQ(log.format, LogFormat::adif);
    EXPECT_EQ(log.ownCall, "OK1AB");
}

TEST(LogFormat, EmptyFieldsAreCountedPerField) {
    LogQso full;
    full.call = "AB1C";
    full.band = "20m";
    full.mode = "RTTY";
    full.rstSent = full.rstReceived = "599";
    full.exchSent = full.exchReceived = "0001";
    LogQso noExchange = full;
    noExchange.exchReceived.clear();
    LogQso bare;
    bare.call = "AB2C";
    EXPECT_EQ(DescribeEmptyFields({full, full}), "");
    EXPECT_EQ(DescribeEmptyFields({full, noExchange}),
              "1 QSO lacks fields passed as empty text (exchange received 1)");
    EXPECT_EQ(DescribeEmptyFields({noExchange, bare, full}),
              "2 QSOs lack fields passed as empty text (band 1, mode 1, RST sent 1, "
              "RST received 1, exchange sent 1, exchange received 2)");
}

}  // namespace
