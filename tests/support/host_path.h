#pragma once
// A path of the source tree as the test program can open it. Test programs
// cross-built for Windows run under Wine, where a Unix path ("/work/...") must
// become its DOS name ("Z:\work\..."); Wine's kernel32 does the mapping.
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

inline std::filesystem::path HostPath(const std::string& path) {
#ifdef _WIN32
    using ToDos = WCHAR* (*)(const char*);
    if (!path.empty() && path[0] == '/') {
        auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
        if (toDos) {
            if (WCHAR* dos = toDos(path.c_str())) {
                std::filesystem::path result(dos);
                HeapFree(GetProcessHeap(), 0, dos);
                return result;
            }
        }
    }
#endif
    return std::filesystem::path(path);
}
