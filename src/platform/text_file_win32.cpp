#include <share.h>

#include "platform/text_file.h"

namespace platform {

std::FILE* OpenShared(const std::string& name, const char* mode) {
    return _fsopen(name.c_str(), mode, _SH_DENYNO);
}

}  // namespace platform
