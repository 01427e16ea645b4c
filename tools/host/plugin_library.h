#pragma once
// Loads the plug-in by path (dlopen / LoadLibrary) and resolves its exports by
// their plain names, as the host program does.
#include <stdexcept>
#include <string>

#include "plugin/stats_api.h"

class PluginLibrary {
public:
    explicit PluginLibrary(const std::string& path);  // throws std::runtime_error
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    SetVersionFn setVersion;
    GetNumberOfSetsFn GetNumberOfSets;
    GetSetNameFn GetSetName;
    ResetStats0Fn ResetStats0;
    QsoFn AddData0;
    QsoFn RemoveData0;
    CheckCall0Fn CheckCall0;
    IsValidExchg0Fn IsValidExchg0;
    GetExchgCount0Fn GetExchgCount0;
    GetResult0Fn GetResult0;
    SetupSet0Fn SetupSet0;

    // Any export by name (nullptr when absent).
    void* Symbol(const char* name) const;

private:
    void* handle_ = nullptr;
};

// The plug-in file built beside the running program: libStats.so or Stats.dll.
std::string DefaultPluginPath(const std::string& programPath);
