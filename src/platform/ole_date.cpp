#include "platform/ole_date.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

constexpr double kHalfSecond = 0.5 / 86400.0;
// 0100-01-01 and 9999-12-31 23:59:59 as day counts, the range the date class represents.
constexpr double kMinDays = -657434.0;
constexpr double kMaxDays = 2958465.99999;

const std::chrono::sys_days kEpoch = std::chrono::year{1899} / 12 / 30;

}  // namespace

COleDateTime COleDateTime::FromParts(int year, int month, int day, int hour, int minute, int second) {
    using namespace std::chrono;
    const year_month_day ymd{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                             std::chrono::day{unsigned(day)}};
    if (year < 100 || year > 9999 || !ymd.ok() || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59 || second < 0 || second > 59)
        return COleDateTime(0.0, invalid);
    const long days = (sys_days{ymd} - kEpoch).count();
    const double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    // Before the epoch the fraction still counts forward within the day.
    return COleDateTime(days >= 0 ? days + time : days - time);
}

std::string COleDateTime::Format(const char* pattern) const {
    if (m_status == null) return {};
    if (m_status != valid || !std::isfinite(m_dt) || m_dt < kMinDays || m_dt > kMaxDays)
        return "Invalid DateTime";
    if (!pattern) pattern = "";

    const double rounded = m_dt + (m_dt > 0.0 ? kHalfSecond : -kHalfSecond);
    const long wholeDays = static_cast<long>(rounded);
    const double absolute = std::fabs(rounded);
    long seconds = static_cast<long>((absolute - std::floor(absolute)) * 86400.0);
    if (seconds >= 86400) seconds = 86399;

    const std::chrono::year_month_day ymd{kEpoch + std::chrono::days{wholeDays}};
    std::tm tm{};
    tm.tm_year = int(ymd.year()) - 1900;
    tm.tm_mon = int(unsigned(ymd.month())) - 1;
    tm.tm_mday = int(unsigned(ymd.day()));
    tm.tm_hour = int(seconds / 3600);
    tm.tm_min = int(seconds / 60 % 60);
    tm.tm_sec = int(seconds % 60);
    tm.tm_wday = int(std::chrono::weekday{std::chrono::sys_days{ymd}}.c_encoding());
    tm.tm_yday = int((std::chrono::sys_days{ymd} -
                      std::chrono::sys_days{ymd.year() / std::chrono::January / 1})
                         .count());
    tm.tm_isdst = -1;

    if (!*pattern) return {};
    char buffer[512];
    const size_t length = std::strftime(buffer, sizeof buffer, pattern, &tm);
    return std::string(buffer, length);
}

bool COleDateTime::operator==(const COleDateTime& other) const {
    if (m_status != other.m_status) return false;
    if (m_status == valid) return m_dt == other.m_dt;
    return m_status == null;
}
