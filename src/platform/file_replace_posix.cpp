#include <cstdio>

#include "platform/file_replace.h"
#include "platform/native_path.h"

namespace platform {

// rename() replaces the target atomically on POSIX file systems.
bool RenameOver(const std::string& from, const std::string& to) {
    return std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

bool RemoveFile(const std::string& name) { return std::remove(NativePath(name).c_str()) == 0; }

}  // namespace platform
