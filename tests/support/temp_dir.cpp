#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

ScopedWorkDir::ScopedWorkDir() : previous_(fs::current_path()) {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() /
            ("stats-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(path_ / "Plugins");
    fs::current_path(path_);
}

ScopedWorkDir::~ScopedWorkDir() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}

std::string ReadFileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool FileExists(const fs::path& file) {
    std::error_code ignored;
    return fs::exists(file, ignored);
}
