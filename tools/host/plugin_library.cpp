#include "plugin_library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

#if defined(_WIN32)
void* OpenLibrary(const std::string& path, std::string& error) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return reinterpret_cast<void*>(module);
}
void* Resolve(void* handle, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}
void CloseLibrary(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }
#else
void* OpenLibrary(const std::string& path, std::string& error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) error = dlerror();
    return handle;
}
void* Resolve(void* handle, const char* name) { return dlsym(handle, name); }
void CloseLibrary(void* handle) { dlclose(handle); }
#endif

template <typename Fn>
void Bind(void* handle, Fn& target, const char* name) {
    void* symbol = Resolve(handle, name);
    if (!symbol) throw std::runtime_error(std::string("the plug-in has no export ") + name);
    target = reinterpret_cast<Fn>(symbol);
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
    std::string error;
    handle_ = OpenLibrary(path, error);
    if (!handle_) throw std::runtime_error(error.empty() ? "cannot load " + path : error);
    try {
        Bind(handle_, setVersion, "setVersion");
        Bind(handle_, GetNumberOfSets, "GetNumberOfSets");
        Bind(handle_, GetSetName, "GetSetName");
        Bind(handle_, ResetStats0, "ResetStats0");
        Bind(handle_, AddData0, "AddData0");
        Bind(handle_, RemoveData0, "RemoveData0");
        Bind(handle_, CheckCall0, "CheckCall0");
        Bind(handle_, IsValidExchg0, "IsValidExchg0");
        Bind(handle_, GetExchgCount0, "GetExchgCount0");
        Bind(handle_, GetResult0, "GetResult0");
        Bind(handle_, SetupSet0, "SetupSet0");
    } catch (...) {
        CloseLibrary(handle_);
        throw;
    }
}

PluginLibrary::~PluginLibrary() {
    if (handle_) CloseLibrary(handle_);
}

void* PluginLibrary::Symbol(const char* name) const { return Resolve(handle_, name); }

std::string DefaultPluginPath(const std::string& programPath) {
    const size_t slash = programPath.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
#if defined(_WIN32)
    return folder + "Stats.dll";
#else
    return (folder.empty() ? std::string("./") : folder) + "libStats.so";
#endif
}
