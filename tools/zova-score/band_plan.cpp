#include "band_plan.h"

#include "log_qso.h"

namespace {

struct BandEdge {
    const char* band;
    unsigned long long lowHz;
    unsigned long long highHz;
};

// The ADIF 3 band table (edges inclusive).
constexpr BandEdge kBands[] = {
    {"2190m", 136000ULL, 137000ULL},          {"630m", 472000ULL, 479000ULL},
    {"560m", 501000ULL, 504000ULL},           {"160m", 1800000ULL, 2000000ULL},
    {"80m", 3500000ULL, 4000000ULL},          {"60m", 5060000ULL, 5450000ULL},
    {"40m", 7000000ULL, 7300000ULL},          {"30m", 10100000ULL, 10150000ULL},
    {"20m", 14000000ULL, 14350000ULL},        {"17m", 18068000ULL, 18168000ULL},
    {"15m", 21000000ULL, 21450000ULL},        {"12m", 24890000ULL, 24990000ULL},
    {"10m", 28000000ULL, 29700000ULL},        {"8m", 40000000ULL, 45000000ULL},
    {"6m", 50000000ULL, 54000000ULL},         {"5m", 54000001ULL, 69900000ULL},
    {"4m", 70000000ULL, 71000000ULL},         {"2m", 144000000ULL, 148000000ULL},
    {"1.25m", 222000000ULL, 225000000ULL},    {"70cm", 420000000ULL, 450000000ULL},
    {"33cm", 902000000ULL, 928000000ULL},     {"23cm", 1240000000ULL, 1300000000ULL},
    {"13cm", 2300000000ULL, 2450000000ULL},   {"9cm", 3300000000ULL, 3500000000ULL},
    {"6cm", 5650000000ULL, 5925000000ULL},    {"3cm", 10000000000ULL, 10500000000ULL},
};

}  // namespace

std::string BandFromFrequency(unsigned long long hz) {
    for (const BandEdge& edge : kBands)
        if (hz >= edge.lowHz && hz <= edge.highHz) return edge.band;
    return {};
}

std::string NormalizeBand(std::string_view band) { return Lower(Trim(band)); }

std::optional<unsigned> ParseMegahertz(std::string_view text) {
    const std::string value = Trim(text);
    if (value.empty()) return std::nullopt;
    unsigned long long hz = 0;
    size_t i = 0;
    bool digits = false;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        hz = hz * 10 + unsigned(value[i] - '0');
        if (hz > 4294ULL + 1) return std::nullopt;  // more than 4294.967295 MHz cannot fit
        digits = true;
    }
    hz *= 1000000ULL;
    if (i < value.size() && value[i] == '.') {
        ++i;
        unsigned long long scale = 100000ULL;
        for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
            hz += (unsigned long long)(value[i] - '0') * scale;  // beyond 1 Hz: dropped
            scale /= 10;
            digits = true;
        }
    }
    if (!digits || i != value.size() || hz > 0xFFFFFFFFULL) return std::nullopt;
    return unsigned(hz);
}
