#include "platform/native_path.h"

namespace platform {

std::string NativePath(const std::string& name) { return name; }

}  // namespace platform
