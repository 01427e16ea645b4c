#pragma once
// A fixed list of allowed texts (bands, modes) with a case-insensitive
// whole-string membership test.
#include <array>
#include <string>
#include <string_view>
#include <vector>

class CContestRules {
public:
    CContestRules(const char* const* table, size_t rows);

    bool Contains(std::string_view candidate) const;
    const std::string& operator[](size_t row) const { return rows_.at(row); }
    size_t size() const { return rows_.size(); }

private:
    std::vector<std::string> rows_;
};

// Per-band lists have six slots: 0 = 160 m, 1 = 80 m, ... 5 = 10 m.
constexpr size_t kBandSlots = 6;
extern const std::array<const char*, kBandSlots> kSlotBands;  // "160m" ... "10m"

// The slot of a band text (exact comparison), or -1 when it has none.
int BandSlot(std::string_view band);

// The contest's tables. The first band row stands in the 160 m slot's place
// and repeats "80m": 160 m is not a contest band.
CContestRules MakeBandRules();
CContestRules MakeModeRules();

// ASCII case-insensitive equality of whole strings.
bool EqualsNoCase(std::string_view a, std::string_view b);
