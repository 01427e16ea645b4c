// The contract tests find the plug-in beside their own program (STATS_PLUGIN overrides).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "contract/plugin_fixture.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const char* override = std::getenv("STATS_PLUGIN");
    gPluginPath = std::filesystem::absolute(override && *override ? std::string(override)
                                                                    : DefaultPluginPath(argv[0]))
                      .string();
    return RUN_ALL_TESTS();
}
