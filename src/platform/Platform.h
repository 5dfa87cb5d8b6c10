#pragma once

namespace orbelle {

class ClipboardPort;
class MessageBoxPort;
class PrinterPort;

// Everything the windows do to the world outside the program goes through these.
struct Platform {
    MessageBoxPort& messageBox;
    ClipboardPort& clipboard;
    PrinterPort& printer;
};

} // namespace orbelle
