#pragma once
// The score of the log: per worked band its QSOs, points, multipliers and
// duplicates, the totals, and the QSO rates of the last 10 and 60 minutes.
#include <string>
#include <vector>

#include "log/contest_log.h"
#include "platform/ole_date.h"

struct BandScore {
    std::string band;
    int qsos = 0;
    int points = 0;
    int mults = 0;
    int dupes = 0;
};

struct ScoreSheet {
    std::vector<BandScore> bands;  // in the sorted order of workedBands
    BandScore total;
    long long score = 0;           // points x multipliers, never overflows
    int lastQsoPoints = 0;         // points of the log's last record: 1 counted, else 0
    // Counted QSOs (one point each) within 60 and 10 minutes of the last record.
    int qsos60 = 0;
    int points60 = 0;
    int qsos10 = 0;
    int points10 = 0;
};

// Sorts workedBands, rebuilds the multiplier lists of the worked bands that
// have a band slot and scores the log. Rates are left 0 when !withRates
// (a re-score for the Cabrillo export).
ScoreSheet ScoreLog(ContestLog& log, bool withRates);

// Longest wavelength first: band texts left-padded with "0" to 20 characters,
// largest first, by the exchange sort the order has always been made with.
void SortWorkedBands(std::vector<std::string>& bands);

// True when the whole minutes from `time` to `reference` are fewer than
// `limit`: the difference is moved half a second away from zero and then
// truncated toward zero. A time after the reference is inside every window;
// a difference that is not a number is inside none.
bool WithinMinutes(const COleDateTime& time, const COleDateTime& reference, int limit);
