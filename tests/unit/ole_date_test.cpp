#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/ole_date.h"

TEST(OleDate, FormatsThePatternsThePluginUses) {
    const COleDateTime date = COleDateTime::FromParts(2021, 5, 1, 9, 31, 0);
    const struct {
        const char* pattern;
        const char* text;
    } cases[] = {{"%d.%m", "01.05"},         {"%Y", "2021"},
                 {"%d.%m.%Y", "01.05.2021"}, {"%d_%m_%Y", "01_05_2021"},
                 {"%Y-%m-%d %H%M", "2021-05-01 0931"}, {" %H%M ", " 0931 "},
                 {"%H:%M", "09:31"},         {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(date.Format(c.pattern), c.text) << c.pattern;
}

TEST(OleDate, DayCountMatchesTheEpoch) {
    EXPECT_DOUBLE_EQ(COleDateTime::FromParts(1899, 12, 30).m_dt, 0.0);
    EXPECT_DOUBLE_EQ(COleDateTime::FromParts(1900, 1, 1, 12, 0, 0).m_dt, 2.5);
    EXPECT_DOUBLE_EQ(COleDateTime::FromParts(2021, 3, 7).m_dt, 44262.0);
    // Before the epoch the fraction is still the time of day.
    EXPECT_DOUBLE_EQ(COleDateTime::FromParts(1899, 12, 29, 6, 0, 0).m_dt, -1.25);
    EXPECT_EQ(COleDateTime(-1.25).Format("%Y-%m-%d %H:%M"), "1899-12-29 06:00");
    EXPECT_EQ(COleDateTime::FromParts(2021, 2, 30).m_status, COleDateTime::invalid);
}

TEST(OleDate, RoundsToTheNearestSecond) {
    const double base = COleDateTime::FromParts(2021, 3, 6, 23, 59, 59).m_dt;
    EXPECT_EQ(COleDateTime(base + 0.4 / 86400).Format("%H:%M:%S"), "23:59:59");
    EXPECT_EQ(COleDateTime(base + 0.6 / 86400).Format("%Y-%m-%d %H:%M:%S"), "2021-03-07 00:00:00");
    const double early = COleDateTime::FromParts(2021, 3, 6, 9, 30, 59).m_dt + 0.7 / 86400;
    EXPECT_EQ(COleDateTime(early).Format("%H%M"), "0931");
}

TEST(OleDate, InvalidNullAndUnrepresentableDates) {
    EXPECT_EQ(COleDateTime(44262.0, COleDateTime::invalid).Format("%Y"), "Invalid DateTime");
    EXPECT_EQ(COleDateTime(44262.0, COleDateTime::null).Format("%Y"), "");
    EXPECT_EQ(COleDateTime(44262.0, 77).Format("%Y"), "Invalid DateTime");
    for (double days : {std::nan(""), std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity(), 2958466.0, -657435.0, 1e300})
        EXPECT_EQ(COleDateTime(days).Format("%Y"), "Invalid DateTime") << days;
    EXPECT_EQ(COleDateTime(2958465.5).Format("%Y-%m-%d"), "9999-12-31");
    EXPECT_EQ(COleDateTime(-657434.0).Format("%m-%d %H:%M"), "01-01 00:00");
    EXPECT_EQ(DateOrNull(nullptr).Format("%Y"), "");
}

TEST(OleDate, EqualityFollowsTheStatus) {
    EXPECT_EQ(COleDateTime(5.5), COleDateTime(5.5));
    EXPECT_NE(COleDateTime(5.5), COleDateTime(5.25));
    EXPECT_EQ(COleDateTime(1.0, COleDateTime::null), COleDateTime(2.0, COleDateTime::null));
    EXPECT_NE(COleDateTime(1.0, COleDateTime::invalid), COleDateTime(1.0, COleDateTime::invalid));
    EXPECT_NE(COleDateTime(1.0), COleDateTime(1.0, COleDateTime::null));
}
