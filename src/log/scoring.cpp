#include "log/scoring.h"

#include <string_view>
#include <unordered_set>

namespace {

std::string PadForSort(const std::string& band) {
    return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

}  // namespace

void SortWorkedBands(std::vector<std::string>& bands) {
    // A handful of entries (band texts that passed the band check): the
    // quadratic exchange sort costs nothing here.
    for (size_t i = 0; i + 1 < bands.size(); ++i)
        for (size_t j = i + 1; j < bands.size(); ++j)
            if (PadForSort(bands[i]) < PadForSort(bands[j])) std::swap(bands[i], bands[j]);
}

bool WithinMinutes(const COleDateTime& time, const COleDateTime& reference, int limit) {
    constexpr double kHalfSecond = 0.5 / 86400.0;
    double days = reference.m_dt - time.m_dt;
    days += days < 0 ? -kHalfSecond : kHalfSecond;
    // trunc(m) < limit is m < limit for a whole limit, and stays defined
    // for values no integer can hold.
    return days * 1440.0 < double(limit);
}

ScoreSheet ScoreLog(ContestLog& log, bool withRates) {
    SortWorkedBands(log.workedBands);

    ScoreSheet sheet;
    sheet.total.band = "Total";
    std::vector<int> slotOfRow;
    for (const std::string& band : log.workedBands) {
        sheet.bands.push_back(BandScore{band});
        const int slot = BandSlot(band);
        slotOfRow.push_back(slot);
        if (slot >= 0) log.multLists[size_t(slot)].clear();
    }

    const std::vector<CInfo>& records = log.qsoLog;
    const COleDateTime reference = records.empty() ? COleDateTime() : records.back().qsoTime;
    std::vector<std::unordered_set<std::string_view>> keysOfRow(sheet.bands.size());

    for (const CInfo& record : records) {
        if (record.call.empty()) continue;
        // A handful of worked bands: a walk beats hashing the text.
        size_t row = 0;
        while (row < sheet.bands.size() && sheet.bands[row].band != record.band) ++row;
        if (row == sheet.bands.size()) continue;
        BandScore& score = sheet.bands[row];
        score.dupes += record.dupeCount;
        if (!record.isDupe) {
            ++score.qsos;
            ++score.points;
            if (withRates && WithinMinutes(record.qsoTime, reference, 60)) {
                ++sheet.qsos60;
                ++sheet.points60;
                if (WithinMinutes(record.qsoTime, reference, 10)) {
                    ++sheet.qsos10;
                    ++sheet.points10;
                }
            }
        }
        // A duplicate still brings a new multiplier when its exchange is new.
        if (keysOfRow[row].insert(record.multKey).second) {
            ++score.mults;
            const int slot = slotOfRow[row];
            if (slot >= 0) log.multLists[size_t(slot)].push_back(record.multKey);
        }
    }

    for (const BandScore& band : sheet.bands) {
        sheet.total.qsos += band.qsos;
        sheet.total.points += band.points;
        sheet.total.mults += band.mults;
        sheet.total.dupes += band.dupes;
    }
    sheet.score = static_cast<long long>(sheet.total.points) * sheet.total.mults;
    if (!records.empty()) {
        const CInfo& last = records.back();
        sheet.lastQsoPoints = (!last.isDupe && !last.call.empty()) ? 1 : 0;
    }
    return sheet;
}
