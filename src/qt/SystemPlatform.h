#pragma once

#include "ports/Platform.h"
#include "qt/QtClipboard.h"
#include "qt/QtMessageBox.h"
#include "qt/SystemPrinter.h"

#ifdef _WIN32
#include "os/win/WinFileTest.h"
#include "os/win/WinProgramStart.h"
#include "os/win/WinRegistry.h"
#include "os/win/WinShell.h"
#else
#include "os/desktop/StandInRegistry.h"
#include "os/desktop/StdFileTest.h"
#include "qt/QtProgramStart.h"
#include "qt/QtShell.h"
#endif

namespace orbelle {

// The real implementations of every platform port, for the program itself.
class SystemPlatform {
public:
    Platform ports()
    {
        return Platform{m_messageBox, m_clipboard,    m_printer, m_registry,
                        m_shell,      m_programStart, m_fileTest};
    }

private:
    QtMessageBox m_messageBox;
    QtClipboard m_clipboard;
    SystemPrinter m_printer;
#ifdef _WIN32
    WinRegistry m_registry;
    WinShell m_shell;
    WinProgramStart m_programStart;
    WinFileTest m_fileTest;
#else
    // No Windows registry and shell here: the same logic runs over their desktop stand-ins.
    StandInRegistry m_registry;
    QtShell m_shell;
    QtProgramStart m_programStart;
    StdFileTest m_fileTest;
#endif
};

} // namespace orbelle
