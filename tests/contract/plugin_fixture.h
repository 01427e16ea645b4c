#pragma once
// Each contract test loads a fresh copy of the plug-in (its state starts as at
// load) and runs in a fresh current directory with a Plugins folder.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host_calls.h"
#include "support/temp_dir.h"

// Set by main from the test program's own path (or STATS_PLUGIN).
extern std::string gPluginPath;

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void Reload();  // unload and load again: the state starts afresh

    // A plain reset for a contest from 6 to 7 March 2021.
    HostReset DefaultReset() const;
    std::string JournalName() const { return "BadQSO_StatsZOVARTTY_07_03_2021.txt"; }
    std::string Settings() const { return ReadFileBytes(dir->path() / "Plugins" / "ZOVA-RTTY.ini"); }
    std::string Result();  // GetResult0's text, checking the out-parameter

    std::unique_ptr<ScopedWorkDir> dir;
    std::unique_ptr<PluginLibrary> plugin;
};

// A QSO on 20m RTTY at 2021-03-06 12:00 + minutes.
HostQso MakeQso(const std::string& call, const std::string& band = "20m",
                const std::string& exchReceived = "0001", int minutes = 0);
