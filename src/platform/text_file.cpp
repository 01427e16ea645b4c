#include "platform/text_file.h"

namespace platform {

std::optional<std::vector<std::string>> ReadTextLines(const std::string& name) {
    std::FILE* file = OpenShared(name, "rb");
    if (!file) return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    bool pending = false;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        for (size_t i = 0; i < got; ++i) {
            if (buffer[i] == '\n') {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                lines.push_back(std::move(line));
                line.clear();
                pending = false;
            } else {
                line.push_back(buffer[i]);
                pending = true;
            }
        }
    }
    if (pending) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    std::fclose(file);
    return lines;
}

TextFileWriter::TextFileWriter(const std::string& name, Mode mode)
    : file_(OpenShared(name, mode == Mode::append ? "ab" : "wb")) {}

TextFileWriter::~TextFileWriter() { Close(); }

bool TextFileWriter::WriteRaw(const std::string& bytes) {
    if (!file_) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) ok_ = false;
    return ok_;
}

bool TextFileWriter::WriteLine(const std::string& line) {
    if (!WriteRaw(line) || !WriteRaw("\r\n")) return false;
    if (std::fflush(file_) != 0) ok_ = false;
    return ok_;
}

bool TextFileWriter::Close() {
    if (!file_) return false;
    if (std::fclose(file_) != 0) ok_ = false;
    file_ = nullptr;
    return ok_;
}

}  // namespace platform
