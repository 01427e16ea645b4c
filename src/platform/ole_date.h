#pragma once
// COleDateTime: the host's timestamp record. The layout is part of the host
// ABI (dates cross the boundary by pointer): a day count since 1899-12-30
// whose fraction is the time of day, then a 32-bit status.
#include <cstddef>
#include <cstdint>
#include <string>

class COleDateTime {
public:
    enum DateTimeStatus : int32_t { valid = 0, invalid = 1, null = 2 };

    double m_dt = 0.0;
    int32_t m_status = valid;

    COleDateTime() = default;
    COleDateTime(double days, int32_t status = valid) : m_dt(days), m_status(status) {}

    // Calendar date and time to a day count; an impossible date gives status invalid.
    static COleDateTime FromParts(int year, int month, int day, int hour = 0, int minute = 0,
                                  int second = 0);

    // strftime-style formatting: "Invalid DateTime" for an invalid date (or a
    // value outside years 100..9999), empty text for a null one. The time is
    // rounded to the nearest second first.
    std::string Format(const char* pattern) const;

    // Both valid with the same day value, or both null.
    bool operator==(const COleDateTime& other) const;
    bool operator!=(const COleDateTime& other) const { return !(*this == other); }
};

static_assert(offsetof(COleDateTime, m_dt) == 0, "day count at offset 0");
static_assert(offsetof(COleDateTime, m_status) == 8, "status at offset 8");
static_assert(sizeof(COleDateTime) == 16, "16-byte record");

// A null pointer from the host reads as a null date.
inline COleDateTime DateOrNull(const COleDateTime* date) {
    return date ? *date : COleDateTime(0.0, COleDateTime::null);
}
