#include <windows.h>

#include "platform/file_replace.h"

namespace platform {

// rename() of the C runtime refuses an existing target on Windows;
// MoveFileEx replaces it, and write-through returns only once it is on disk.
bool RenameOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const std::string& name) { return DeleteFileA(name.c_str()) != 0; }

}  // namespace platform
