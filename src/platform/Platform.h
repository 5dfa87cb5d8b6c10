#pragma once

namespace orbelle {

class ClipboardPort;
class FileTestPort;
class MessageBoxPort;
class PrinterPort;
class ProgramStartPort;
class RegistryPort;
class ShellPort;

// Stand-ins for a machine with nothing registered, nothing installed and no shell, for
// callers that leave the About dialog's ports out.
RegistryPort& absentRegistry();
ShellPort& absentShell();
ProgramStartPort& absentProgramStart();
FileTestPort& absentFileTest();

// Everything the windows do to the world outside the program goes through these.
struct Platform {
    MessageBoxPort& messageBox;
    ClipboardPort& clipboard;
    PrinterPort& printer;
    RegistryPort& registry = absentRegistry();
    ShellPort& shell = absentShell();
    ProgramStartPort& programStart = absentProgramStart();
    FileTestPort& fileTest = absentFileTest();
};

} // namespace orbelle
