#include "feeding.h"

#include <algorithm>
#include <tuple>

HostQso ToHostQso(const LogQso& qso, const std::string& ownCall) {
    HostQso host;
    host.ownCall = ownCall;
    host.call = qso.call;
    host.time = COleDateTime::FromParts(qso.year, qso.month, qso.day, qso.hour, qso.minute, qso.second);
    host.freqHz = qso.freqHz;
    host.mode = qso.mode;
    host.rstSent = qso.rstSent;
    host.rstReceived = qso.rstReceived;
    host.exchSent = qso.exchSent;
    host.exchReceived = qso.exchReceived;
    host.band = qso.band;
    return host;
}

void LogPeriod(const ParsedLog& log, COleDateTime& start, COleDateTime& end) {
    // Earliest and latest date, whatever the log's order.
    auto date = [](const LogQso& q) { return std::make_tuple(q.year, q.month, q.day); };
    const auto [first, last] = std::minmax_element(
        log.qsos.begin(), log.qsos.end(),
        [&](const LogQso& a, const LogQso& b) { return date(a) < date(b); });
    start = COleDateTime::FromParts(first->year, first->month, first->day);
    end = COleDateTime::FromParts(last->year, last->month, last->day);
}

FeedResult FeedLog(const PluginLibrary& plugin, const ParsedLog& log, const FeedPlan& plan) {
    if (plan.html) plugin.setVersion("zova-score");
    HostReset reset;
    reset.folder = plan.folder;
    reset.cabrilloExport = plan.cabrilloExport ? 1 : 0;
    reset.ownCall = plan.ownCall;
    reset.start = plan.start;
    reset.end = plan.end;
    reset.ownPrefix = plan.ownPrefix;
    CallReset(plugin, reset);

    FeedResult result;
    size_t done = 0;
    for (const LogQso& qso : log.qsos) {
        if (CallAddData(plugin, ToHostQso(qso, plan.ownCall)))
            ++result.stored;
        else
            ++result.rejected;
        if (plan.progress) plan.progress(++done, log.qsos.size());
    }
    int out = 0;
    const char* text = plugin.GetResult0(&out);
    result.summary = text ? text : "";
    return result;
}
