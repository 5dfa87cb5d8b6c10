#include "os/win/WinProgramStart.h"

#include "os/win/WinText.h"

#include <windows.h>

#include <filesystem>

namespace orbelle {

bool WinProgramStart::start(std::string_view programPath)
{
    const std::string application = utf8ToAnsi(programPath);
    // Only a full path: a relative one would be taken from the current folder, whatever
    // that happens to be, as the desktop side refuses it too.
    if (application.empty() || !std::filesystem::path(application).is_absolute())
        return false;
    // The started program sees its own path as its first argument, quoted as usual.
    std::string commandLine = "\"" + application + "\"";

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
        return false;
    // Not waited for: the handles are only let go.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace orbelle
