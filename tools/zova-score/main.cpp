// zova-score: scores an ADIF or Cabrillo log with the contest plug-in itself.
// It stands in for the host program: it loads the plug-in library by path and
// calls ResetStats0, AddData0 for every QSO and GetResult0 with the host's
// argument lists, so the summary it prints is the plug-in's own.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "cty_prefix.h"
#include "feeding.h"
#include "log_format.h"
#include "tool_platform.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr int kBadInput = 2;  // bad log, bad option
constexpr int kFailure = 1;   // the plug-in or an output file failed us

const char kDefaultCty[] = "/usr/share/hamradio-files/cty.dat";

const char kHelp[] = R"(Usage: zova-score [options] [LOG]

Scores a contest log for the ZOVA WW RTTY CONTEST with the contest plug-in
itself (libStats.so / Stats.dll), exactly as the logging program does: one
reset with the contest period and the own station, every QSO in log order,
then the plug-in's summary.

LOG is an ADIF (.adi) or a Cabrillo 3.0 log; which one is read from its
content, not from its name. Without LOG the bundled sample log is scored.

Options:
  --call CALL        own callsign (default: the log's STATION_CALLSIGN or
                     OPERATOR field, or its CALLSIGN: header)
  --start YYYY-MM-DD first day of the contest period (default: the log's
                     first QSO date)
  --end YYYY-MM-DD   last day of the contest period (default: the log's last
                     QSO date); it also names the plug-in's journal file
  --cty FILE         country file that gives the own DXCC prefix
                     (default: /usr/share/hamradio-files/cty.dat)
  --html FILE        ask the plug-in for its HTML summary (setVersion) and
                     write it to FILE instead of the plain summary on
                     standard output
  --cabrillo         reset with the Cabrillo export flag: the plug-in writes
                     CALL.cbr, its header taken from Plugins/ZOVA-RTTY.ini
  --dir DIR          working folder (default: the current folder); created
                     when missing. The plug-in keeps its files there:
                     Plugins/ZOVA-RTTY.ini (settings, claimed score, Cabrillo
                     header values; the Plugins folder is created when
                     missing), BadQSO_StatsZOVARTTY_DD_MM_YYYY.txt (rejected
                     and duplicate QSOs) and the Cabrillo file
  --plugin PATH      plug-in library to load (default: the one beside
                     zova-score)
  -h, --help         this text

ADIF fields read: CALL, QSO_DATE, TIME_ON, FREQ (MHz), BAND (else the band of
FREQ), MODE, RST_SENT, RST_RCVD, STX_STRING or STX, SRX_STRING or SRX,
STATION_CALLSIGN or OPERATOR. Cabrillo: the CALLSIGN: header and the QSO:
lines (mode RY is RTTY).

Exit status: 0 scored; 2 bad input (a log that cannot be read, with the file
and its record or line named, a log without QSOs, a bad option); 1 the
plug-in could not be loaded or an output file could not be written.
Fields a QSO lacks are passed to the plug-in as empty text, as the logging
program passes them, and counted in one warning on standard error.
)";

struct Options {
    std::string log;
    std::string call;
    std::optional<std::string> start, end;
    std::optional<std::string> cty;
    std::string html;
    bool cabrillo = false;
    std::string dir;
    std::string plugin;
    bool help = false;
};

struct UsageError {
    std::string message;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    bool haveLog = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::optional<std::string> inlineValue;
        if (arg.rfind("--", 0) == 0) {
            const size_t equals = arg.find('=');
            if (equals != std::string::npos) {
                inlineValue = arg.substr(equals + 1);
                arg.erase(equals);
            }
        }
        auto value = [&]() -> std::string {
            if (inlineValue) return *inlineValue;
            if (i + 1 >= argc) throw UsageError{arg + " needs a value"};
            return argv[++i];
        };
        if (arg == "-h" || arg == "--help") options.help = true;
        else if (arg == "--call") options.call = value();
        else if (arg == "--start") options.start = value();
        else if (arg == "--end") options.end = value();
        else if (arg == "--cty") options.cty = value();
        else if (arg == "--html") {
            options.html = value();
            if (options.html.empty()) throw UsageError{"--html needs a file name"};
        } else if (arg == "--cabrillo") {
            if (inlineValue) throw UsageError{"--cabrillo takes no value"};
            options.cabrillo = true;
        }
        else if (arg == "--dir") options.dir = value();
        else if (arg == "--plugin") options.plugin = value();
        else if (arg.size() > 1 && arg[0] == '-') throw UsageError{"unknown option " + arg};
        else if (haveLog) throw UsageError{"more than one log given (" + options.log + ", " + arg + ")"};
        else {
            options.log = arg;
            haveLog = true;
        }
    }
    return options;
}

COleDateTime ParseDay(const std::string& text, const char* option) {
    int year = 0, month = 0, day = 0;
    char tail = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &tail) != 3 ||
        text[4] != '-' || text[7] != '-' || !IsValidDateTime(year, month, day, 0, 0, 0))
        throw UsageError{std::string(option) + " " + text + " is not a date (YYYY-MM-DD)"};
    return COleDateTime::FromParts(year, month, day);
}

// The whole file, or a message why it cannot be read.
std::optional<std::string> ReadWholeFile(const fs::path& file, std::string& why) {
    std::error_code error;
    if (fs::is_directory(file, error)) {
        why = "is a folder, not a log file";
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        why = fs::exists(file, error) ? "cannot be read" : "no such file";
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        why = "cannot be read";
        return std::nullopt;
    }
    return bytes.str();
}

std::string SampleLog(const std::string& exe) {
    const fs::path beside = fs::path(exe).parent_path() / "sample.adi";
    std::error_code error;
    if (fs::exists(beside, error)) return beside.string();
#ifdef ZOVA_SAMPLE_LOG
    return ZOVA_SAMPLE_LOG;
#else
    return beside.string();
#endif
}

class Progress {
public:
    Progress(size_t total, bool shown) : shown_(shown && total > 10000) {}
    void Update(size_t done, size_t total) {
        if (!shown_ || (done % 500 != 0 && done != total)) return;
        std::fprintf(stderr, "\rzova-score: fed %zu of %zu QSOs to the plug-in", done, total);
        if (done == total) std::fprintf(stderr, "\r%60s\r", "");
        std::fflush(stderr);
    }

private:
    bool shown_;
};

int Run(int argc, char** argv) {
    Options options;
    COleDateTime start, end;
    try {
        options = ParseOptions(argc, argv);
        if (options.help) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (options.start) start = ParseDay(*options.start, "--start");
        if (options.end) end = ParseDay(*options.end, "--end");
    } catch (const UsageError& error) {
        std::fprintf(stderr, "zova-score: %s (see zova-score --help)\n", error.message.c_str());
        return kBadInput;
    }

    const std::string exe = tool::ExecutablePath(argv[0]);
    const std::string logPath = options.log.empty() ? SampleLog(exe) : options.log;

    // Read and check everything before the plug-in is touched.
    std::string why;
    const std::optional<std::string> text = ReadWholeFile(logPath, why);
    if (!text) {
        std::fprintf(stderr, "zova-score: %s: %s\n", logPath.c_str(), why.c_str());
        return kBadInput;
    }
    ParsedLog log;
    try {
        log = ReadLog(*text);
    } catch (const LogError& error) {
        std::fprintf(stderr, "zova-score: %s: %s\n", logPath.c_str(), error.what());
        return kBadInput;
    }
    if (!options.call.empty()) log.ownCall = Upper(options.call);
    if (log.ownCall.empty())
        std::fprintf(stderr, "zova-score: warning: %s names no own callsign (give --call); "
                             "scored with an empty one\n", logPath.c_str());
    if (const std::string empty = DescribeEmptyFields(log.qsos); !empty.empty())
        std::fprintf(stderr, "zova-score: warning: %s: %s\n", logPath.c_str(), empty.c_str());

    std::string prefix;
    {
        const std::string ctyPath = options.cty.value_or(kDefaultCty);
        const std::optional<std::string> ctyText = ReadWholeFile(ctyPath, why);
        if (!ctyText && options.cty) {
            std::fprintf(stderr, "zova-score: %s: %s\n", ctyPath.c_str(), why.c_str());
            return kBadInput;
        }
        if (!ctyText) {
            std::fprintf(stderr, "zova-score: warning: %s: %s; the own DXCC prefix is left "
                                 "empty (give --cty FILE)\n", ctyPath.c_str(), why.c_str());
        } else {
            try {
                prefix = DxccPrefix(ParseCtyDat(*ctyText), log.ownCall);
            } catch (const CtyError& error) {
                std::fprintf(stderr, "zova-score: %s: %s\n", ctyPath.c_str(), error.what());
                return kBadInput;
            }
        }
    }

    COleDateTime logStart, logEnd;
    LogPeriod(log, logStart, logEnd);
    if (!options.start) start = logStart;
    if (!options.end) end = logEnd;
    if (start.m_dt > end.m_dt) {
        std::fprintf(stderr, "zova-score: the contest period would start on %s, after its end on %s "
                             "(see --start, --end)\n", start.Format("%Y-%m-%d").c_str(),
                     end.Format("%Y-%m-%d").c_str());
        return kBadInput;
    }

    // Paths the user gave are relative to where zova-score was started.
    const fs::path htmlPath = options.html.empty() ? fs::path() : fs::absolute(options.html);
    const std::string pluginPath =
        fs::absolute(options.plugin.empty() ? DefaultPluginPath(exe) : options.plugin).string();

    std::unique_ptr<PluginLibrary> plugin;
    try {
        plugin = std::make_unique<PluginLibrary>(pluginPath);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zova-score: cannot load the plug-in %s: %s\n", pluginPath.c_str(),
                     error.what());
        return kFailure;
    }

    std::error_code error;
    if (!options.dir.empty()) {
        fs::create_directories(options.dir, error);
        fs::current_path(options.dir, error);
        if (error) {
            std::fprintf(stderr, "zova-score: cannot work in %s: %s\n", options.dir.c_str(),
                         error.message().c_str());
            return kFailure;
        }
    }
    // The plug-in keeps its settings in Plugins/ beside the host; it never creates the folder.
    fs::create_directories("Plugins", error);
    tool::KeepCompanionClosed();

    FeedPlan plan;
    std::string folder = fs::current_path().string();
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += fs::path::preferred_separator;
    plan.folder = folder;
    plan.cabrilloExport = options.cabrillo;
    plan.html = !options.html.empty();
    plan.ownCall = log.ownCall;
    plan.ownPrefix = prefix;
    plan.start = start;
    plan.end = end;
    Progress progress(log.qsos.size(), tool::StderrIsTerminal());
    plan.progress = [&progress](size_t done, size_t total) { progress.Update(done, total); };

    const FeedResult result = FeedLog(*plugin, log, plan);

    if (plan.html) {
        std::ofstream out(htmlPath, std::ios::binary | std::ios::trunc);
        out << result.summary;
        out.close();
        if (!out) {
            std::fprintf(stderr, "zova-score: cannot write %s\n", htmlPath.string().c_str());
            return kFailure;
        }
        std::fprintf(stderr, "zova-score: HTML summary written to %s\n", htmlPath.string().c_str());
    } else {
        std::fwrite(result.summary.data(), 1, result.summary.size(), stdout);
        std::fflush(stdout);
        // The summary's last line has no line end; on a terminal the prompt
        // would follow it. Standard output itself stays byte for byte.
        if (tool::StdoutIsTerminal() && !result.summary.empty() && result.summary.back() != '\n')
            std::fputc('\n', stderr);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The summary's CR LF line ends go out unchanged.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return Run(argc, argv);
}
