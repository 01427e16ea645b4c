#pragma once
// A hash index over the log, so that the duplicate test, the deletion match
// and the call check cost one lookup instead of a walk through every record.
// It keeps the exact, case-sensitive comparisons of the walk it replaces:
// keys are the texts themselves, joined by a NUL (host texts never hold one).
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Every stored record carries the sequence number of the AddData0 call that
// stored it; numbers grow with every call, so the log is sorted by them.
using QsoSeq = std::uint64_t;

inline std::string IndexKey(std::string_view call, std::string_view band) {
    std::string key;
    key.reserve(call.size() + band.size() + 1);
    key.append(call).push_back('\0');
    key.append(band);
    return key;
}

struct IndexedRecord {
    QsoSeq seq;
    std::uint32_t mode;  // position in QsoIndex::modes
};

struct QsoIndex {
    // The stored records (duplicates included) of each (call, band), in log
    // order. Of those with the same mode, the first is the counted QSO and
    // every later one a duplicate of it.
    std::unordered_map<std::string, std::vector<IndexedRecord>> byCallBand;
    // The mode texts met so far: a handful (the letter cases of the allowed
    // modes), so records hold a number instead of a text.
    std::vector<std::string> modes;

    std::uint32_t ModeNumber(std::string_view mode) {
        for (size_t i = 0; i < modes.size(); ++i)
            if (modes[i] == mode) return std::uint32_t(i);
        modes.emplace_back(mode);
        return std::uint32_t(modes.size() - 1);
    }
    // -1 when the mode was never stored.
    long FindMode(std::string_view mode) const {
        for (size_t i = 0; i < modes.size(); ++i)
            if (modes[i] == mode) return long(i);
        return -1;
    }
    void Clear() {
        byCallBand.clear();
        modes.clear();
    }
};
