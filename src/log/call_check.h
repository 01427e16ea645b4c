#pragma once
// The host's question while the operator types a call: new on this band,
// already worked, or outside the contest.
#include <string>
#include <string_view>

#include "log/contest_log.h"
#include "log/contest_rules.h"

struct CallCheckArgs {
    std::string_view call;
    std::string_view mode;
    std::string_view prefix;
    const char* band = nullptr;        // may be null: then the two bands are not compared
    const char* secondBand = nullptr;
};

enum CallCheckCode { kCallWorked = 0, kCallNoVerdict = 1, kCallNew = 2, kCallOutside = 4 };

// 0 worked on this band, 1 no verdict, 2 new, 4 outside the contest (hosts
// "2.19" and "2.20" get 1 instead of 4).
int CheckCall(const ContestLog& log, const CContestRules& bandRules,
              const CContestRules& modeRules, const std::string& hostVersion,
              const CallCheckArgs& args);
