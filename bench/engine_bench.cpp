// The scoring engine's costs as the host meets them, for logs of 1,000 to
// 100,000 QSOs: a full re-score (reset, every QSO, the result), a call check
// against the full log, the result alone, and the deletion of one QSO.
//
//   build/<dir>/bin/engine_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "host_calls.h"

namespace {

std::unique_ptr<PluginLibrary> gPlugin;
std::string gWorkDir;

// A contest log as a station makes it over 48 hours: stations met on several
// bands, about 5 % duplicates, a few QSOs on bands and in modes outside the
// contest or without a received number, thousands of distinct exchanges.
std::vector<HostQso> MakeLog(int count) {
    std::mt19937 random(20210306u + unsigned(count));
    const char* const prefixes[] = {"DL", "UA", "UA9", "K", "W", "N", "JA", "G", "F", "I", "SP", "OK",
                                    "UR", "YO", "LZ", "EA", "ON", "PA", "OH", "SM", "LA", "VE", "VK",
                                    "ZS", "PY", "LU", "HA", "S5", "9A", "YU", "ES", "LY", "YL", "EU"};
    const char* const bands[] = {"80m", "40m", "40m", "20m", "20m", "20m", "15m", "15m", "10m"};

    struct Station {
        std::string call;
        std::string exchange;
    };
    std::vector<Station> stations;
    std::set<std::string> calls;
    const size_t stationCount = size_t(count) * 2;
    while (stations.size() < stationCount) {
        std::string call = prefixes[random() % std::size(prefixes)];
        call += char('0' + random() % 10);
        for (unsigned letters = 1 + random() % 3; letters > 0; --letters)
            call += char('A' + random() % 26);
        if (!calls.insert(call).second) continue;
        char exchange[8];
        std::snprintf(exchange, sizeof exchange, "%04u", 1 + unsigned(random() % 5000));
        stations.push_back({call, exchange});
    }

    const COleDateTime start = COleDateTime::FromParts(2021, 3, 6, 12, 0, 0);
    std::vector<HostQso> log;
    log.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        HostQso qso;
        qso.ownCall = "DL1ABC";
        qso.time = COleDateTime(start.m_dt + 2.0 * i / count);
        qso.exchSent = std::to_string(1000 + i % 9000);
        const unsigned roll = random() % 1000;
        if (roll < 50 && !log.empty()) {
            // Worked again on the same band: a duplicate.
            const HostQso& earlier = log[random() % log.size()];
            qso.call = earlier.call;
            qso.band = earlier.band;
            qso.exchReceived = earlier.exchReceived;
            qso.mode = earlier.mode;
        } else {
            const Station& station = stations[random() % stations.size()];
            qso.call = station.call;
            qso.exchReceived = station.exchange;
            qso.band = bands[random() % std::size(bands)];
            if (roll < 70) qso.band = roll % 2 ? "160m" : "30m";
            else if (roll < 90) qso.mode = roll % 2 ? "PSK31" : "FT8";
            else if (roll < 105) qso.exchReceived.clear();
            else if (roll < 110) qso.band[qso.band.size() - 1] = 'M';
        }
        const unsigned kHz[] = {3580, 7040, 14080, 21080, 28080};
        qso.freqHz = (kHz[random() % 5] + random() % 40) * 1000u + random() % 1000;
        log.push_back(std::move(qso));
    }
    return log;
}

const std::vector<HostQso>& Log(int count) {
    static std::map<int, std::vector<HostQso>> logs;
    auto it = logs.find(count);
    if (it == logs.end()) it = logs.emplace(count, MakeLog(count)).first;
    return it->second;
}

HostReset Reset() {
    HostReset reset;
    reset.folder = gWorkDir + "/";
    reset.ownCall = "DL1ABC";
    reset.start = COleDateTime::FromParts(2021, 3, 6, 12, 0, 0);
    reset.end = COleDateTime::FromParts(2021, 3, 7, 11, 59, 0);
    reset.ownPrefix = "DL";
    return reset;
}

void LoadLog(const std::vector<HostQso>& log) {
    CallReset(*gPlugin, Reset());
    for (const HostQso& qso : log) CallAddData(*gPlugin, qso);
}

void BM_FullRescore(benchmark::State& state) {
    const std::vector<HostQso>& log = Log(int(state.range(0)));
    for (auto _ : state) {
        LoadLog(log);
        int out = 0;
        benchmark::DoNotOptimize(gPlugin->GetResult0(&out));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CheckCall(benchmark::State& state) {
    const std::vector<HostQso>& log = Log(int(state.range(0)));
    LoadLog(log);
    // Half the calls typed were worked on the band asked about, half are new.
    std::vector<std::pair<std::string, std::string>> probes;
    std::mt19937 random(7);
    for (int i = 0; i < 1024; ++i) {
        const HostQso& qso = log[random() % log.size()];
        probes.emplace_back(i % 2 ? qso.call : qso.call + "X", i % 4 < 2 ? "20m" : "40m");
    }
    size_t next = 0;
    for (auto _ : state) {
        const auto& probe = probes[next++ & 1023];
        benchmark::DoNotOptimize(CallCheckCall(*gPlugin, probe.first.c_str(), "RTTY", "DL",
                                               probe.second.c_str(), probe.second.c_str()));
    }
}

void BM_GetResult(benchmark::State& state) {
    LoadLog(Log(int(state.range(0))));
    for (auto _ : state) {
        int out = 0;
        benchmark::DoNotOptimize(gPlugin->GetResult0(&out));
    }
}

void BM_RemoveOneQso(benchmark::State& state) {
    const std::vector<HostQso>& log = Log(int(state.range(0)));
    LoadLog(log);
    size_t next = 0;
    for (auto _ : state) {
        const HostQso& qso = log[(next++ * 7919) % log.size()];
        CallRemoveData(*gPlugin, qso);
        state.PauseTiming();
        CallAddData(*gPlugin, qso);  // the log keeps its size
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_FullRescore)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckCall)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_GetResult)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RemoveOneQso)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const std::string plugin = std::filesystem::absolute(DefaultPluginPath(argv[0])).string();
    // The plug-in writes its journal and settings into the current directory.
    const std::filesystem::path work = std::filesystem::temp_directory_path() / "stats-engine-bench";
    std::filesystem::create_directories(work / "Plugins");
    std::filesystem::current_path(work);
    gWorkDir = work.string();
    gPlugin = std::make_unique<PluginLibrary>(plugin);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gPlugin.reset();
    std::filesystem::current_path(work.parent_path());
    std::filesystem::remove_all(work);
    return 0;
}
