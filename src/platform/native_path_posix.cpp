#include "platform/native_path.h"

namespace platform {

std::string NativePath(const std::string& name) {
    std::string path = name;
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

}  // namespace platform
