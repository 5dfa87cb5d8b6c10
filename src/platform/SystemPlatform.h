#pragma once

#include "platform/Platform.h"
#include "platform/QtClipboard.h"
#include "platform/QtMessageBox.h"
#include "platform/SystemPrinter.h"

namespace orbelle {

// The real implementations of every platform port, for the program itself.
class SystemPlatform {
public:
    Platform ports() { return Platform{m_messageBox, m_clipboard, m_printer}; }

private:
    QtMessageBox m_messageBox;
    QtClipboard m_clipboard;
    SystemPrinter m_printer;
};

} // namespace orbelle
