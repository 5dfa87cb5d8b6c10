#include "os/desktop/StdFileTest.h"

#include <filesystem>
#include <system_error>

namespace orbelle {

bool StdFileTest::isOrdinaryFile(std::string_view path) const
{
    if (path.empty())
        return false;
    const std::filesystem::path file{std::string(path)};
    const std::string name = file.filename().string();
    if (name.empty() || name.front() == '.')
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && !error;
}

} // namespace orbelle
