#include "os/win/WinShell.h"

#include "os/win/WinText.h"

#include <windows.h>
#include <shellapi.h>

namespace orbelle {

void WinShell::open(std::uintptr_t ownerWindow, std::string_view file)
{
    const std::string ansiFile = utf8ToAnsi(file);
    // Whatever the shell answers, the user sees its own reaction or none.
    ShellExecuteA(reinterpret_cast<HWND>(ownerWindow), nullptr, ansiFile.c_str(), nullptr,
                  nullptr, SW_SHOWNORMAL);
}

} // namespace orbelle
