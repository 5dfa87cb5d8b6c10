// Started by the Windows platform tests: writes down how it was started, into the file
// named by ORBELLE_CHILD_REPORT, so that the test can see that it ran and how.

#include <windows.h>

#include <cstdio>

int main()
{
    char reportPath[MAX_PATH] = {};
    if (GetEnvironmentVariableA("ORBELLE_CHILD_REPORT", reportPath, MAX_PATH) == 0)
        return 2;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);

    // Written under a temporary name first, so that the test never reads half a report.
    char partial[MAX_PATH + 8] = {};
    std::snprintf(partial, sizeof(partial), "%s.tmp", reportPath);
    std::FILE* report = std::fopen(partial, "w");
    if (!report)
        return 3;
    const bool showSet = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0;
    std::fprintf(report, "show=%d\n", showSet ? static_cast<int>(startup.wShowWindow) : -1);
    std::fprintf(report, "self=%s\n", self);
    std::fprintf(report, "commandline=%s\n", GetCommandLineA());
    std::fclose(report);
    MoveFileExA(partial, reportPath, MOVEFILE_REPLACE_EXISTING);
    return 0;
}
