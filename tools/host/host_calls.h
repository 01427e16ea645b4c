#pragma once
// The host's call sequences with its full argument lists: the arguments the
// plug-in does not use are passed as the host passes them (empty texts, zeros).
#include <string>

#include "plugin_library.h"

struct HostQso {
    std::string ownCall;
    std::string call;
    COleDateTime time;
    unsigned freqHz = 0;
    std::string mode = "RTTY";
    std::string rstSent = "599";
    std::string rstReceived = "599";
    std::string exchSent;
    std::string exchReceived;
    std::string band;
};

struct HostReset {
    std::string folder;
    int cabrilloExport = 0;
    std::string ownCall;
    COleDateTime start;
    COleDateTime end;
    std::string ownPrefix;
};

int CallReset(const PluginLibrary& plugin, const HostReset& reset);
int CallAddData(const PluginLibrary& plugin, const HostQso& qso);
int CallRemoveData(const PluginLibrary& plugin, const HostQso& qso);
// band/secondBand may be null, as the host may pass them.
int CallCheckCall(const PluginLibrary& plugin, const char* call, const char* mode,
                  const char* prefix, const char* band, const char* secondBand);
