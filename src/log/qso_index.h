#pragma once
// A hash index over the log, so that the duplicate test, the deletion match
// and the call check cost one lookup instead of a walk through every record.
// It keeps the exact, case-sensitive comparisons of the walk it replaces:
// keys are the texts themselves, joined by a NUL (host texts never hold one).
#include <cstddef>
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

// The records of one (call, band) in log order. Almost always there is one,
// so the first is held inline and only further ones take an allocation.
class IndexedRecords {
public:
    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    const IndexedRecord& operator[](size_t i) const { return i == 0 ? first_ : more_[i - 1]; }
    void push_back(IndexedRecord record) {
        if (count_++ == 0) first_ = record;
        else more_.push_back(record);
    }
    void erase(size_t i) {
        if (i == 0 && !more_.empty()) first_ = more_.front();
        if (!more_.empty()) more_.erase(more_.begin() + std::ptrdiff_t(i == 0 ? 0 : i - 1));
        --count_;
    }

private:
    IndexedRecord first_{};
    size_t count_ = 0;
    std::vector<IndexedRecord> more_;
};

struct QsoIndex {
    // The stored records (duplicates included) of each (call, band), in log
    // order. Of those with the same mode, the first is the counted QSO and
    // every later one a duplicate of it.
    std::unordered_map<std::string, IndexedRecords> byCallBand;
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
