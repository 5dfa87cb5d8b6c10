#include "os/desktop/SearchPath.h"

#include <cstdlib>

namespace orbelle {

namespace {

constexpr char kSeparator = ':';
// An empty PATH would search the current folder again, so this stands in for it.
constexpr const char* kSystemFolders = "/usr/bin:/bin";

} // namespace

std::string absoluteSearchPath(std::string_view searchPath)
{
    std::string kept;
    while (true) {
        const std::size_t end = searchPath.find(kSeparator);
        const std::string_view entry = searchPath.substr(0, end);
        if (entry.starts_with('/')) {
            if (!kept.empty())
                kept += kSeparator;
            kept += entry;
        }
        if (end == std::string_view::npos)
            return kept;
        searchPath.remove_prefix(end + 1);
    }
}

void keepAbsoluteSearchPathOnly()
{
#ifndef _WIN32
    const char* path = std::getenv("PATH");
    if (!path)
        return;
    const std::string kept = absoluteSearchPath(path);
    setenv("PATH", kept.empty() ? kSystemFolders : kept.c_str(), 1);
#endif
}

} // namespace orbelle
