#include "os/win/WinFileTest.h"

#include "os/win/WinText.h"

#include <windows.h>

namespace orbelle {

bool WinFileTest::isOrdinaryFile(std::string_view path) const
{
    const std::string ansiPath = utf8ToAnsi(path);
    if (ansiPath.empty())
        return false;
    const DWORD attributes = GetFileAttributesA(ansiPath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN
                                   | FILE_ATTRIBUTE_SYSTEM;
    return (attributes & kNotOrdinary) == 0;
}

} // namespace orbelle
