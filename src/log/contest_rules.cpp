#include "log/contest_rules.h"

namespace {
const char* const kBandTable[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
const char* const kModeTable[] = {"RTTY"};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
}  // namespace

const std::array<const char*, kBandSlots> kSlotBands = {"160m", "80m", "40m", "20m", "15m", "10m"};

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

CContestRules::CContestRules(const char* const* table, size_t rows) : rows_(table, table + rows) {}

bool CContestRules::Contains(std::string_view candidate) const {
    for (const std::string& row : rows_)
        if (EqualsNoCase(row, candidate)) return true;
    return false;
}

int BandSlot(std::string_view band) {
    for (size_t slot = 0; slot < kBandSlots; ++slot)
        if (band == kSlotBands[slot]) return int(slot);
    return -1;
}

CContestRules MakeBandRules() { return CContestRules(kBandTable, std::size(kBandTable)); }
CContestRules MakeModeRules() { return CContestRules(kModeTable, std::size(kModeTable)); }
