#include <gtest/gtest.h>

#include "band_plan.h"

namespace {

TEST(BandPlan, BandOfFrequency) {
    const struct {
        unsigned long long hz;
        const char* band;
    } cases[] = {
        {1838150, "160m"},  {3500000, "80m"},  {4000000, "80m"},   {3499999, ""},
        {7049999, "40m"},   {10120000, "30m"}, {14085500, "20m"},  {14350001, ""},
        {21080000, "15m"},  {28000000, "10m"}, {29700000, "10m"},  {50100000, "6m"},
        {144300000, "2m"},  {0, ""},           {4294967295ULL, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(BandFromFrequency(c.hz), c.band) << c.hz;
    EXPECT_EQ(NormalizeBand(" 20M "), "20m");
    EXPECT_EQ(NormalizeBand("70CM"), "70cm");
}

TEST(BandPlan, MegahertzTextToHertzWithoutRounding) {
    const struct {
        const char* text;
        std::optional<unsigned> hz;
    } cases[] = {
        {"14.0855", 14085500u},  {"7", 7000000u},          {" 3.5 ", 3500000u},
        {"7.049999", 7049999u},  {"14.085500999", 14085500u},  // below 1 Hz dropped
        {".5", 500000u},         {"4294.967295", 4294967295u}, {"4294.967296", std::nullopt},
        {"10368.1", std::nullopt}, {"", std::nullopt},          {"abc", std::nullopt},
        {"14,085", std::nullopt}, {"1.2.3", std::nullopt},      {"-7.0", std::nullopt},
        {".", std::nullopt},     {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseMegahertz(c.text), c.hz) << c.text;
}

}  // namespace
