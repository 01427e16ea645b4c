#include <gtest/gtest.h>

#include <random>

#include "cabrillo_reader.h"

namespace {

const char kLog[] =
    "START-OF-LOG: 3.0\r\n"
    "CONTEST: ZOVA RTTY CONTEST\r\n"
    "CALLSIGN: dl5zov\r\n"
    "QSO:  3580 RY 2026-03-07 2242 DL5ZOV        599 0042   PY5TE         599 0081\r\n"
    "QSO: 14085 PH 2026-03-08 0001 DL5ZOV        59  0042   JA1XYZ        59  17 1\r\n"
    "X-QSO: 14085 RY 2026-03-08 0002 DL5ZOV      599 0042   K1ABC         599 0001\r\n"
    "QSO: 144 RY 2026-03-08 0003 DL5ZOV 599 0042 OK1AB 599 0005\r\n"
    "END-OF-LOG:\r\n"
    "QSO: this line follows the end and is not read\r\n";

TEST(CabrilloReader, ReadsHeaderCallAndQsoLines) {
    const ParsedLog log = ReadCabrillo(kLog);
    EXPECT_EQ(log.ownCall, "DL5ZOV");
    ASSERT_EQ(log.qsos.size(), 3u);  // X-QSO left out, nothing after END-OF-LOG
    const LogQso& a = log.qsos[0];
    EXPECT_EQ(a.line, 4u);
    EXPECT_EQ(a.freqHz, 3580000u);
    EXPECT_EQ(a.band, "80m");
    EXPECT_EQ(a.mode, "RTTY");
    EXPECT_EQ((std::vector<int>{a.year, a.month, a.day, a.hour, a.minute}),
              (std::vector<int>{2026, 3, 7, 22, 42}));
    EXPECT_EQ(a.ownCall, "DL5ZOV");
    EXPECT_EQ(a.rstSent, "599");
    EXPECT_EQ(a.exchSent, "0042");
    EXPECT_EQ(a.call, "PY5TE");
    EXPECT_EQ(a.rstReceived, "599");
    EXPECT_EQ(a.exchReceived, "0081");

    const LogQso& b = log.qsos[1];  // with a transmitter number at the end
    EXPECT_EQ(b.mode, "SSB");
    EXPECT_EQ(b.band, "20m");
    EXPECT_EQ(b.exchReceived, "17");

    EXPECT_EQ(log.qsos[2].band, "2m");  // above 30 MHz Cabrillo names the band
    EXPECT_EQ(log.qsos[2].freqHz, 0u);
}

TEST(CabrilloReader, OwnCallFromFirstQsoWithoutHeader) {
    const ParsedLog log = ReadCabrillo("QSO: 7040 RY 2026-03-07 1200 OK1ABC 599 0001 DL1AB 599 0002\n");
    EXPECT_EQ(log.ownCall, "OK1ABC");
    EXPECT_TRUE(ReadCabrillo("START-OF-LOG: 3.0\nCALLSIGN: X\nEND-OF-LOG:\n").qsos.empty());
}

TEST(CabrilloReader, BadQsoLinesNameTheirLine) {
    const std::string head = "START-OF-LOG: 3.0\nCALLSIGN: DL5ZOV\n";
    const struct {
        std::string qso;
        std::string message;
    } cases[] = {
        {"QSO: 7040 RY 2026-03-07 1200 DL5ZOV 599 0042 DL1AB 599", "found 9 fields"},
        {"QSO: 7040 RY 2026-03-07 1200 DL5ZOV 599 0042 DL1AB 599 0001 1 x", "found 12 fields"},
        {"QSO:", "found 0 fields"},
        {"QSO: 7.04 RY 2026-03-07 1200 DL5ZOV 599 0042 DL1AB 599 0001", "frequency '7.04' is not in kHz"},
        {"QSO: 99999999 RY 2026-03-07 1200 DL5ZOV 599 0042 DL1AB 599 0001", "is not in kHz"},
        {"QSO: 7040 RY 07.03.2026 1200 DL5ZOV 599 0042 DL1AB 599 0001", "date '07.03.2026' is not yyyy-mm-dd"},
        {"QSO: 7040 RY 2026-03-07 12:00 DL5ZOV 599 0042 DL1AB 599 0001", "time '12:00' is not hhmm"},
        {"QSO: 7040 RY 2026-02-29 1200 DL5ZOV 599 0042 DL1AB 599 0001", "2026-02-29 1200 is not a valid date"},
        {"QSO: 7040 RY 2026-03-07 1260 DL5ZOV 599 0042 DL1AB 599 0001", "is not a valid date"},
    };
    for (const auto& c : cases) {
        try {
            ReadCabrillo(head + "\n" + c.qso + "\nEND-OF-LOG:\n");
            ADD_FAILURE() << "no error for: " << c.qso;
        } catch (const LogError& error) {
            const std::string what = error.what();
            EXPECT_EQ(what.rfind("line 4: QSO line does not parse: ", 0), 0u) << what;
            EXPECT_NE(what.find(c.message), std::string::npos) << what << "\nwanted: " << c.message;
        }
    }
}

TEST(CabrilloReader, SurvivesTruncationsAndRandomDamage) {
    const std::string text = kLog;
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        try {
            ReadCabrillo(text.substr(0, cut));
        } catch (const LogError&) {
        }
    }
    std::mt19937 random(11);
    const char bytes[] = "QSO: 0123456789-RY\t\n\r\x00\xff";
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = text;
        for (int n = 0; n < 3; ++n)
            damaged[random() % damaged.size()] = bytes[random() % (sizeof bytes - 1)];
        try {
            ReadCabrillo(damaged);
        } catch (const LogError&) {
        }
    }
}

}  // namespace
