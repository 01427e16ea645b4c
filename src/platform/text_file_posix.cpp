#include "platform/native_path.h"
#include "platform/text_file.h"

namespace platform {

// POSIX has no share modes: every open is shared.
std::FILE* OpenShared(const std::string& name, const char* mode) {
    return std::fopen(NativePath(name).c_str(), mode);
}

}  // namespace platform
