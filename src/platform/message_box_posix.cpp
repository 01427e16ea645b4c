#include "platform/message_box.h"

#include <cstdio>

namespace platform {

void ShowMessageBox(const std::string& text, const char* caption, MessageIcon) {
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "Stats", text.c_str());
}

}  // namespace platform
