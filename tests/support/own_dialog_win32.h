#pragma once
// A visible dialog (class #32770) of this process with this caption, or nullptr.
// Test programs look for the plug-in's windows this way: other processes'
// windows (a second test run on the same display) are never touched.
#include <windows.h>

#include <string>

inline HWND FindOwnDialog(const char* caption) {
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", caption); window;
         window = FindWindowExA(nullptr, window, "#32770", caption)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

// The longest static text of a message box: its message.
inline std::string MessageBoxText(HWND box) {
    std::string text;
    for (HWND child = FindWindowExA(box, nullptr, "Static", nullptr); child;
         child = FindWindowExA(box, child, "Static", nullptr)) {
        std::string candidate(size_t(GetWindowTextLengthA(child)) + 1, '\0');
        candidate.resize(size_t(GetWindowTextA(child, candidate.data(), int(candidate.size()))));
        if (candidate.size() > text.size()) text = candidate;
    }
    return text;
}
