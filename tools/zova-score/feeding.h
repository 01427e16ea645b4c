#pragma once
// Drives the plug-in as the host does for one log: ResetStats0, AddData0 for
// every QSO in log order, GetResult0.
#include <functional>
#include <string>

#include "host_calls.h"
#include "log_qso.h"

struct FeedPlan {
    std::string folder;   // where the host's settings file is searched, ending in a separator
    bool cabrilloExport = false;
    bool html = false;    // setVersion first: the summary comes back as HTML
    std::string ownCall;
    std::string ownPrefix;
    COleDateTime start;
    COleDateTime end;
    // Called after each AddData0 with the QSOs fed so far and the total.
    std::function<void(size_t, size_t)> progress;
};

struct FeedResult {
    std::string summary;  // GetResult0's text, as returned
    size_t stored = 0;    // QSOs AddData0 stored (counted or duplicate)
    size_t rejected = 0;
};

// The host's QSO arguments for a log record.
HostQso ToHostQso(const LogQso& qso, const std::string& ownCall);

// The contest period the host would pass: the first and the last QSO date of the log.
void LogPeriod(const ParsedLog& log, COleDateTime& start, COleDateTime& end);

FeedResult FeedLog(const PluginLibrary& plugin, const ParsedLog& log, const FeedPlan& plan);
