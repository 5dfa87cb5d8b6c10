#pragma once

#include "platform/Platform.h"
#include "platform/QtClipboard.h"
#include "platform/QtMessageBox.h"
#include "platform/SystemPrinter.h"

#ifdef _WIN32
#include "platform/WinFileTest.h"
#include "platform/WinProgramStart.h"
#include "platform/WinRegistry.h"
#include "platform/WinShell.h"
#else
#include "platform/QtProgramStart.h"
#include "platform/QtShell.h"
#include "platform/StandInRegistry.h"
#include "platform/StdFileTest.h"
#endif

namespace orbelle {

// The real implementations of every platform port, for the program itself.
class SystemPlatform {
public:
    Platform ports()
    {
        return Platform{m_messageBox, m_clipboard, m_printer,
                        m_registry, m_shell, m_programStart, m_fileTest};
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
