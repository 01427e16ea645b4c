#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cty_prefix.h"

namespace {

// Real entries' shapes: overrides, exact calls, lists over several lines, a
// primary prefix with '*', prefixes of one entity inside another's.
const char kCty[] =
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
    "    R,U,=R0BM/6,=R25EMW(17)[19],=UA9XYZ;\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\n"
    "    R0(19)[33],R8,R9,RA9,UA0(19)[33],\n"
    "    UA8,UA9,=R8FF/3/M;\n"
    "France:                   14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n"
    "    F,HW,HX,HY,TH,TM,TO,TP,TQ,TV,TW,TX;\n"
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL,DM,DN,DO,DP,DQ,DR,Y2,=DA0BHV/LGT;\n"
    "Canary Islands:           33:  36:  AF:   28.32:    15.85:     0.0:  EA8:\n"
    "    AM8,AN8,AO8,EA8,EB8,EC8,ED8,EE8,EF8,EG8,EH8;\n"
    "Spain:                    14:  37:  EU:   40.32:     3.43:    -1.0:  EA:\n"
    "    AM,AN,AO,EA,EB,EC,ED,EE,EF,EG,EH;\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
    "    IB9,ID9,IE9,IF9,II9,IO9,IQ9,IR9,IT9,IU9,IW9,IY9;\n";

TEST(CtyPrefix, ExactCallsFirstThenLongestPrefix) {
    const CtyDatabase cty = ParseCtyDat(kCty);
    EXPECT_EQ(cty.entities, 7u);
    const struct {
        const char* call;
        const char* prefix;
    } cases[] = {
        {"UA3ABC", "UA"},    {"UA9ABC", "UA9"},      {"ua9abc", "UA9"},  // longest prefix
        {"UA9XYZ", "UA"},    {"R8FF/3/M", "UA9"},    {"R25EMW", "UA"},   // exact calls, overrides cut
        {"R0BM", "UA9"},     {"R0BM/6", "UA"},       {"EA8AB", "EA8"},
        {"EA1AB", "EA"},     {"DL1ABC", "DL"},       {"DL1ABC/P", "DL"},  // modifiers
        {"F/DL1ABC", "F"},   {"DL1ABC/EA8", "EA8"},  {"DA0BHV/LGT", "DL"},
        {"IT9ABC", "IT9"},   {"QQ1ABC", ""},         {"", ""},
        {"/", ""},           {"DL1ABC/2", "DL"},
    };
    for (const auto& c : cases) EXPECT_EQ(DxccPrefix(cty, c.call), c.prefix) << c.call;
}

TEST(CtyPrefix, MalformedEntityLineIsNamed) {
    try {
        ParseCtyDat(std::string(kCty) + "Nowhere: 1: 2: EU\n    QQ;\n");
        FAIL() << "no error";
    } catch (const CtyError& error) {
        EXPECT_STREQ(error.what(), "line 16: not a cty.dat entity line (eight fields ended by ':')");
    }
    EXPECT_EQ(ParseCtyDat("").entities, 0u);
}

TEST(CtyPrefix, DebiansCountryFile) {
    const std::filesystem::path file = "/usr/share/hamradio-files/cty.dat";
    if (!std::filesystem::exists(file)) GTEST_SKIP() << "hamradio-files is not installed";
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const CtyDatabase cty = ParseCtyDat(text.str());
    EXPECT_GT(cty.entities, 340u);
    EXPECT_EQ(DxccPrefix(cty, "DL5ZOV"), "DL");
    EXPECT_EQ(DxccPrefix(cty, "RA9ABC"), "UA9");
    EXPECT_EQ(DxccPrefix(cty, "RA2ABC"), "UA2");
    EXPECT_EQ(DxccPrefix(cty, "RA3ABC"), "UA");
    EXPECT_EQ(DxccPrefix(cty, "UR5ABC"), "UR");
    EXPECT_EQ(DxccPrefix(cty, "EW1AB"), "EU");
    EXPECT_EQ(DxccPrefix(cty, "W1AW"), "K");
}

}  // namespace
