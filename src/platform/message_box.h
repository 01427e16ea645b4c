#pragma once
// A modal message box owned by the calling thread's active window. Where no
// window can be shown (the native target) the text goes to standard error.
#include <string>

namespace platform {

enum class MessageIcon { none, information };

// caption == nullptr: the system's default caption.
void ShowMessageBox(const std::string& text, const char* caption, MessageIcon icon);

}  // namespace platform
