#include "platform/file_search.h"

#include <dirent.h>
#include <fnmatch.h>

#include "platform/native_path.h"

namespace platform {

std::vector<std::string> FindFiles(const std::string& pattern) {
    const std::string path = NativePath(pattern);
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string mask = slash == std::string::npos ? path : path.substr(slash + 1);

    std::vector<std::string> names;
    DIR* dir = opendir(folder.empty() ? "/" : folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir)) {
        if (fnmatch(mask.c_str(), entry->d_name, FNM_CASEFOLD) == 0)
            names.emplace_back(entry->d_name);
    }
    closedir(dir);
    return names;
}

}  // namespace platform
