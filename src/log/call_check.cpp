#include "log/call_check.h"

int CheckCall(const ContestLog& log, const CContestRules& bandRules,
              const CContestRules& modeRules, const std::string& hostVersion,
              const CallCheckArgs& args) {
    const int outside = (hostVersion == "2.19" || hostVersion == "2.20") ? kCallNoVerdict
                                                                         : kCallOutside;
    if (args.band && args.secondBand && !EqualsNoCase(args.band, args.secondBand)) return outside;
    const std::string_view band = args.band ? args.band : "";
    if (!bandRules.Contains(band)) return outside;
    if (!modeRules.Contains(args.mode)) return outside;
    if (args.prefix.empty() || args.call.size() < 4) return kCallNoVerdict;
    // Any stored record with this call on this band, duplicates included;
    // mode and time play no part.
    return log.index.byCallBand.count(IndexKey(args.call, band)) ? kCallWorked : kCallNew;
}
