// Larkspan, the manifest installer: copies "Outlook.exe.manifest" from the program's own folder
// into Outlook 2003's installation folder, on Windows XP and later. It takes no arguments, shows
// nothing, and reports only through its exit code and a log file beside itself.
#pragma once

#include <string>

namespace kov::larkspan {

inline constexpr const char* kManifest = "Outlook.exe.manifest";
inline constexpr const char* kInstallRootPattern =
    "Software\\Microsoft\\Office\\%s\\Outlook\\InstallRoot";
inline constexpr const char* kOutlookVersion = "11.0";

// Runs the whole sequence on the installed Windows services and returns the exit code.
int RunLarkspan();

// The log file of a program: its path with everything after the last "." replaced by "err" (a
// name without an extension gets ".err").
std::string LogFileOf(const std::string& programPath);

// "[M/D/YY H:MM:SS] " for a local time, as the C library's "%c" writes it in the C locale.
std::string TimeStamp(int year, int month, int day, int hour, int minute, int second);

}  // namespace kov::larkspan
