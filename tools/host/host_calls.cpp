#include "host_calls.h"

namespace {

template <typename Fn>
int CallQso(Fn fn, const HostQso& qso) {
    COleDateTime time = qso.time;
    COleDateTime unused;
    const char* e = "";
    return fn(qso.ownCall.c_str(), qso.call.c_str(), &time, &unused, &unused, &unused, 0u,
              qso.freqHz, qso.mode.c_str(), qso.rstSent.c_str(), qso.rstReceived.c_str(),
              qso.exchSent.c_str(), qso.exchReceived.c_str(), e, e, e, e, e, e, e, e, e, e, 0, 0,
              0, 0.0, 0.0, e, e, e, qso.band.c_str(), e);
}

}  // namespace

int CallReset(const PluginLibrary& plugin, const HostReset& reset) {
    COleDateTime start = reset.start;
    COleDateTime end = reset.end;
    const char* e = "";
    return plugin.ResetStats0(reset.folder.c_str(), reset.cabrilloExport, reset.ownCall.c_str(),
                              &start, &end, e, e, e, e, e, e, e, e, e, reset.ownPrefix.c_str(), 0,
                              0, 0, 0.0, 0.0, e, e, e);
}

int CallAddData(const PluginLibrary& plugin, const HostQso& qso) { return CallQso(plugin.AddData0, qso); }

int CallRemoveData(const PluginLibrary& plugin, const HostQso& qso) {
    return CallQso(plugin.RemoveData0, qso);
}

int CallCheckCall(const PluginLibrary& plugin, const char* call, const char* mode,
                  const char* prefix, const char* band, const char* secondBand) {
    const char* e = "";
    char out1[64] = {0}, out2[64] = {0};
    return plugin.CheckCall0(call, 0u, 0u, mode, e, e, e, e, e, e, e, e, e, prefix, 0, 0, 0, 0.0,
                             0.0, e, e, e, e, e, band, secondBand, out1, out2);
}
