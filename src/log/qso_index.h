#pragma once
// Hash indexes over the log, so that the duplicate test, the deletion match and
// the call check cost one lookup instead of a walk through every record. They
// keep the exact, case-sensitive comparisons of the walk they replace: keys
// are the texts themselves, joined by a NUL (host texts never contain one).
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Every stored record carries the sequence number of the AddData0 call that
// stored it; numbers grow with every call, so the log is sorted by them.
using QsoSeq = std::uint64_t;

inline std::string IndexKey(std::string_view a, std::string_view b) {
    std::string key;
    key.reserve(a.size() + b.size() + 1);
    key.append(a).push_back('\0');
    key.append(b);
    return key;
}

inline std::string IndexKey(std::string_view a, std::string_view b, std::string_view c) {
    std::string key;
    key.reserve(a.size() + b.size() + c.size() + 2);
    key.append(a).push_back('\0');
    key.append(b).push_back('\0');
    key.append(c);
    return key;
}

struct QsoIndex {
    // The records of each (call, band, mode) in log order: the first is the
    // counted QSO, every later one a duplicate of it.
    std::unordered_map<std::string, std::vector<QsoSeq>> groups;
    // How many stored records (duplicates included) each (call, band) has.
    std::unordered_map<std::string, int> callBandCounts;

    void Clear() {
        groups.clear();
        callBandCounts.clear();
    }
};
