#include <gtest/gtest.h>

#include <random>

#include "adif_reader.h"

namespace {

const char kTwoRecords[] =
    "Exported by a logger <with angle brackets> in its header\n"
    "<ADIF_VER:5>3.1.4 <EOH>\n"
    "<CALL:5>DL1AB <QSO_DATE:8>20260307 <TIME_ON:6>120256 <BAND:3>20M <FREQ:7>14.0855\n"
    "<MODE:4>rtty <RST_SENT:3>599 <RST_RCVD:3>579 <STX:2>42 <STX_STRING:4>0042 <SRX:1>7\n"
    "<STATION_CALLSIGN:6>dl5zov <EOR>\n"
    "<call:6:S>ja1xyz <qso_date:8:D>20260308 <time_on:4>0131 <freq:8>7.031202 <mode:4>RTTY\n"
    "<srx_string:4>0017 <operator:5>DL5ZO <eor>\n";

TEST(AdifReader, ReadsTheHostFieldsOfEveryRecord) {
    const ParsedLog log = ReadAdif(kTwoRecords);
    ASSERT_EQ(log.qsos.size(), 2u);
    const LogQso& a = log.qsos[0];
    EXPECT_EQ(a.record, 1u);
    EXPECT_EQ(a.line, 3u);
    EXPECT_EQ(a.call, "DL1AB");
    EXPECT_EQ(a.band, "20m");  // the host's spelling
    EXPECT_EQ(a.freqHz, 14085500u);
    EXPECT_EQ(a.mode, "RTTY");
    EXPECT_EQ(a.rstSent, "599");
    EXPECT_EQ(a.rstReceived, "579");
    EXPECT_EQ(a.exchSent, "0042");  // STX_STRING wins over STX
    EXPECT_EQ(a.exchReceived, "7");  // SRX when there is no SRX_STRING
    EXPECT_EQ(a.ownCall, "DL5ZOV");
    EXPECT_EQ((std::vector<int>{a.year, a.month, a.day, a.hour, a.minute, a.second}),
              (std::vector<int>{2026, 3, 7, 12, 2, 56}));

    const LogQso& b = log.qsos[1];
    EXPECT_EQ(b.record, 2u);
    EXPECT_EQ(b.line, 6u);
    EXPECT_EQ(b.call, "JA1XYZ");
    EXPECT_EQ(b.band, "40m");  // no BAND: from FREQ
    EXPECT_EQ(b.freqHz, 7031202u);
    EXPECT_EQ(b.hour * 100 + b.minute, 131);
    EXPECT_EQ(b.second, 0);
    EXPECT_EQ(b.exchSent, "");  // absent: passed as empty text
    EXPECT_EQ(b.rstSent, "");
    EXPECT_EQ(b.exchReceived, "0017");
    EXPECT_EQ(b.ownCall, "DL5ZO");  // OPERATOR when there is no STATION_CALLSIGN
}

TEST(AdifReader, ValuesAreTakenByTheirByteLength) {
    // The value may hold '<', '>' and line breaks; a record with no header at all.
    const ParsedLog log = ReadAdif(
        "<CALL:4>AB1C<COMMENT:12>a <EOR> b>\r\nc<QSO_DATE:8>20260307<TIME_ON:4>2359"
        "<SRX_STRING:5> 0001<EOR><EOR>\n<EOR>");
    ASSERT_EQ(log.qsos.size(), 1u);  // empty records are no QSOs
    EXPECT_EQ(log.qsos[0].call, "AB1C");
    EXPECT_EQ(log.qsos[0].exchReceived, "0001");
    EXPECT_EQ(log.qsos[0].band, "");  // neither BAND nor FREQ
}

TEST(AdifReader, HeaderOnlyGivesNoQsos) {
    EXPECT_TRUE(ReadAdif("header\n<PROGRAMID:3>abc<EOH>\n\n").qsos.empty());
    EXPECT_TRUE(ReadAdif("").qsos.empty());
}

TEST(AdifReader, MalformedInputNamesRecordAndLine) {
    const std::string ok = "<CALL:4>AB1C <QSO_DATE:8>20260307 <TIME_ON:4>1200 <EOR>\n";
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {ok + "<CALL:x>AB1C <EOR>\n", "record 2 (line 2): malformed field length in '<CALL:x>'"},
        {ok + "<CALL>AB1C <EOR>\n", "record 2 (line 2): malformed field length in '<CALL>' (no length)"},
        {ok + "<CALL:>AB1C <EOR>\n", "record 2 (line 2): malformed field length"},
        {ok + "<:4>AB1C <EOR>\n", "record 2 (line 2): malformed field length"},
        {ok + "<CALL:4:S AB1C <EOR>\n", "record 2 (line 2): tag '<CALL:4:S AB1C ' at line 2 is not closed"},
        {ok + "\n<CALL:40>AB1C <EOR>\n", "record 2 (line 3): field '<CALL:40>' runs past the end of the file"},
        {ok + "<CALL:99999999999999999999999>A<EOR>", "record 2 (line 2): field"},
        {ok + "<CALL:4", "record 2 (line 2): tag '<CALL:4' at line 2 is not closed"},
        {ok + "<CALL:4>AB1C <QSO_DATE:8>20260307 <TIME_ON:4>1200\n",
         "record 2 (line 2) has no <EOR>: the file ends inside it"},
        {"<CALL:4>AB1C <TIME_ON:4>1200 <EOR>", "record 1 (line 1): no QSO_DATE field"},
        {"<CALL:4>AB1C <QSO_DATE:8>20260307 <EOR>", "record 1 (line 1): no TIME_ON field"},
        {"<CALL:4>AB1C <QSO_DATE:7>2026037 <TIME_ON:4>1200 <EOR>",
         "record 1 (line 1): QSO_DATE '2026037' is not a date (YYYYMMDD)"},
        {"<CALL:4>AB1C <QSO_DATE:8>20260230 <TIME_ON:4>1200 <EOR>",
         "record 1 (line 1): QSO_DATE 20260230 TIME_ON 1200 is not a valid date and time"},
        {"<CALL:4>AB1C <QSO_DATE:8>20260307 <TIME_ON:4>2460 <EOR>", "is not a valid date and time"},
        {"<CALL:4>AB1C <QSO_DATE:8>20260307 <TIME_ON:3>120 <EOR>", "TIME_ON '120' is not a time"},
        {"<CALL:4>AB1C <QSO_DATE:8>20260307 <TIME_ON:4>1200 <FREQ:4>14,1 <EOR>",
         "record 1 (line 1): FREQ '14,1' is not a frequency in MHz"},
    };
    for (const auto& c : cases) {
        try {
            ReadAdif(c.text);
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const LogError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                << "got: " << error.what() << "\nwanted: " << c.message;
        }
    }
}

// Any bytes: a list of QSOs or a LogError, never anything else.
TEST(AdifReader, SurvivesTruncationsAndRandomDamage) {
    const std::string text = kTwoRecords;
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        try {
            ReadAdif(text.substr(0, cut));
        } catch (const LogError&) {
        }
    }
    std::mt19937 random(7);
    const char bytes[] = "<>:0123456789EORHabc \n\r\x00\xff";
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = text;
        for (int n = 0; n < 3; ++n)
            damaged[random() % damaged.size()] = bytes[random() % (sizeof bytes - 1)];
        try {
            ReadAdif(damaged);
        } catch (const LogError&) {
        }
    }
}

}  // namespace
