#pragma once
// The score summary as the host shows it: tab-separated plain text, or an
// HTML page for hosts that called setVersion.
#include <string>
#include <string_view>

#include "log/scoring.h"

struct SummaryHeading {
    std::string periodStart;  // contest start "%d.%m"
    std::string periodEnd;    // contest end "%d.%m.%Y"
    std::string ownCall;
    int badQsos = 0;
};

std::string PlainSummary(const ScoreSheet& sheet, const SummaryHeading& heading);
std::string HtmlSummary(const ScoreSheet& sheet, const SummaryHeading& heading);

// Text made safe inside HTML: & < > " ' as character references.
std::string HtmlEscape(std::string_view text);

// The closing credit line of both summaries.
inline constexpr char kSummaryCredit[] = "Scored by the Stats plug-in for the ZOVA WW RTTY CONTEST";
