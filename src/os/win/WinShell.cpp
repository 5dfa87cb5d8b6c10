#include "os/win/WinShell.h"

#include "os/LinkAddress.h"
#include "os/win/WinText.h"

#include <windows.h>
// shellapi.h needs the types windows.h declares.
#include <shellapi.h>

#include <filesystem>

namespace orbelle {

void WinShell::open(std::uintptr_t ownerWindow, std::string_view file)
{
    // A document by its full path opens as it is; anything else is a link and gets an
    // explicit scheme, or a bare "www.example" would run a file of that name from the
    // current folder.
    std::string ansiFile = utf8ToAnsi(file);
    if (!std::filesystem::path(ansiFile).is_absolute())
        ansiFile = utf8ToAnsi(linkAddress(file));
    // Whatever the shell answers, the user sees its own reaction or none.
    ShellExecuteA(reinterpret_cast<HWND>(ownerWindow), nullptr, ansiFile.c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

} // namespace orbelle
