// Loading and unloading the plug-in repeatedly, as a host does over a session:
// an unload really releases the library (nothing keeps it mapped), writes
// nothing, and the next load starts from the state of a fresh library.
#include <filesystem>

#include "contract/plugin_fixture.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

// Whether the plug-in file is mapped in this process right now.
bool PluginIsLoaded(const std::string& path) {
#if defined(_WIN32)
    const std::string name = std::filesystem::path(path).filename().string();
    return GetModuleHandleA(name.c_str()) != nullptr;
#else
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
#endif
}

}  // namespace

TEST_F(PluginTest, EveryLoadStartsAfreshAndEveryUnloadReleasesTheLibrary) {
    std::string freshResult;
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_TRUE(PluginIsLoaded(gPluginPath));

        // As at load: plain text (setVersion not called yet) over an empty log.
        const std::string fresh = Result();
        EXPECT_NE(fresh.rfind("<html>", 0), 0u) << fresh;
        if (round == 0) freshResult = fresh;
        EXPECT_EQ(fresh, freshResult);

        // Change everything a load could carry over: the HTML flag, the log.
        plugin->setVersion("2.20");
        EXPECT_EQ(CallReset(*plugin, DefaultReset()), 1);
        EXPECT_EQ(CallAddData(*plugin, MakeQso("K1AB")), 1);
        EXPECT_EQ(CallAddData(*plugin, MakeQso("DL2XY", "40m", "0002", 5)), 1);
        EXPECT_EQ(Result().rfind("<html>", 0), 0u);

        // Unloading writes nothing and unmaps the library.
        const std::string settings = Settings();
        const std::string journal = ReadFileBytes(JournalName());
        plugin.reset();
        EXPECT_FALSE(PluginIsLoaded(gPluginPath)) << "the library stayed loaded after its unload";
        EXPECT_EQ(Settings(), settings);
        EXPECT_EQ(ReadFileBytes(JournalName()), journal);

        plugin = std::make_unique<PluginLibrary>(gPluginPath);
    }
}
