#pragma once

namespace orbelle {

class ClipboardPort;
class FileTestPort;
class MessageBoxPort;
class PrinterPort;
class ProgramStartPort;
class RegistryPort;
class ShellPort;

// Everything the windows do to the world outside the program goes through these.
struct Platform {
    MessageBoxPort& messageBox;
    ClipboardPort& clipboard;
    PrinterPort& printer;
    RegistryPort& registry;
    ShellPort& shell;
    ProgramStartPort& programStart;
    FileTestPort& fileTest;
};

} // namespace orbelle
