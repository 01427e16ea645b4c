#include "contract/plugin_fixture.h"

#include <cstdlib>

std::string gPluginPath;

void PluginTest::SetUp() {
    dir = std::make_unique<ScopedWorkDir>();
    plugin = std::make_unique<PluginLibrary>(gPluginPath);
}

void PluginTest::TearDown() {
    plugin.reset();
    dir.reset();
}

void PluginTest::Reload() {
    plugin.reset();
    plugin = std::make_unique<PluginLibrary>(gPluginPath);
}

HostReset PluginTest::DefaultReset() const {
    HostReset reset;
    reset.folder = dir->path().string() + "/";
    reset.ownCall = "DL1ABC";
    reset.start = COleDateTime::FromParts(2021, 3, 6, 0, 0, 0);
    reset.end = COleDateTime::FromParts(2021, 3, 7, 23, 59, 0);
    reset.ownPrefix = "DL";
    return reset;
}

std::string PluginTest::Result() {
    int out = 12345;
    const char* text = plugin->GetResult0(&out);
    EXPECT_EQ(out, -1);
    return text ? text : "";
}

HostQso MakeQso(const std::string& call, const std::string& band, const std::string& exchReceived,
                int minutes) {
    HostQso qso;
    qso.ownCall = "DL1ABC";
    qso.call = call;
    qso.band = band;
    qso.exchSent = "0042";
    qso.exchReceived = exchReceived;
    qso.freqHz = 14085500;
    qso.time = COleDateTime(COleDateTime::FromParts(2021, 3, 6, 12, 0, 0).m_dt + minutes / 1440.0);
    return qso;
}
