#pragma once
// A fresh folder that becomes the current directory for one test and is
// removed afterwards; the plug-in writes its files into the current directory.
#include <filesystem>
#include <string>

class ScopedWorkDir {
public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Whole file as bytes ("" when it cannot be read); and a file written from bytes.
std::string ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes);
bool FileExists(const std::filesystem::path& file);
