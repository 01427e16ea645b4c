#pragma once
// Text files as the Windows text mode handles them, on every platform: lines
// are written with CR LF, and a line read loses its CR LF or bare LF, so a file
// written on Windows reads the same on POSIX. Files are opened shared: other
// readers and writers are not locked out.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// fopen with the platform's sharing rules; mode as for fopen ("rb", "wb", "ab").
std::FILE* OpenShared(const std::string& name, const char* mode);

// Every line of the file without its line end; nullopt when it cannot be opened.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& name);

// Writes lines ending in CR LF. Opening failures are kept, not thrown: a
// writer that is not open ignores writes and reports false.
class TextFileWriter {
public:
    enum class Mode { truncate, append };
    TextFileWriter(const std::string& name, Mode mode);
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    bool WriteLine(const std::string& line);   // the line, then CR LF, flushed
    bool WriteRaw(const std::string& bytes);   // exactly these bytes
    bool Close();                              // false when anything failed to reach the file

private:
    std::FILE* file_ = nullptr;
    bool ok_ = true;
};

}  // namespace platform
