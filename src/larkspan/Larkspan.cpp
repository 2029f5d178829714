#include "larkspan/Larkspan.h"

#include <cstdio>
#include <ctime>
#include <fstream>

#include "base/Text.h"
#include "base/TextFile.h"
#include "os/OsServices.h"

namespace kov::larkspan {
namespace {

constexpr int kFailure = -1;

bool EndsWithSeparator(const std::string& path) {
  return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

std::string LocalTimeStamp() {
  const std::time_t now = std::time(nullptr);
  // The program has one thread, so the shared result of localtime is safe here.
  const std::tm local = *std::localtime(&now);
  return TimeStamp(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                   local.tm_min, local.tm_sec);
}

// Appends one entry to the log: the time stamp, the messages, an empty line. A log that cannot be
// opened is skipped: the exit code still tells.
void WriteLog(const std::string& programPath, const std::string& messages) {
  if (messages.empty()) return;
  std::ofstream log(FsPath(LogFileOf(programPath)), std::ios::binary | std::ios::app);
  if (!log) return;
  log << LocalTimeStamp() << ToAnsi(messages) << "\r\n";
}

// The value "Path" of the open key, of any length; false when it cannot be read.
bool ReadPath(os::RegKey key, std::string* path) {
  os::RegistryApi& registry = *os::Os().registry;
  uint32_t type = 0;
  uint32_t size = 0;
  if (registry.QueryValue(key, "Path", &type, nullptr, &size) != os::kErrorSuccess) return false;
  std::string data(size, '\0');
  if (size > 0 && registry.QueryValue(key, "Path", &type, reinterpret_cast<uint8_t*>(data.data()),
                                      &size) != os::kErrorSuccess) {
    return false;
  }
  *path = FromAnsi(data.substr(0, data.find('\0')));
  return true;
}

}  // namespace

std::string LogFileOf(const std::string& programPath) {
  const size_t dot = programPath.find_last_of('.');
  const size_t separator = programPath.find_last_of("\\/");
  if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) {
    return programPath + ".err";
  }
  return programPath.substr(0, dot + 1) + "err";
}

std::string TimeStamp(int year, int month, int day, int hour, int minute, int second) {
  char text[40];
  std::snprintf(text, sizeof text, "[%d/%d/%02d %d:%02d:%02d] ", month, day, year % 100, hour,
                minute, second);
  return text;
}

int RunLarkspan() {
  const os::OsServices& services = os::Os();
  const std::string program = services.modules->ModulePath(0);
  const std::string ownFolder = os::FolderOf(program);
  std::string messages;

  uint32_t major = 0;
  uint32_t minor = 0;
  if (const uint32_t error = services.version->GetVersion(&major, &minor); error != 0) {
    messages += "The operating system version could not be determined. Error number: " +
                std::to_string(error) + ".\r\n";
    WriteLog(program, messages);
    return kFailure;
  }
  if (major * 1000 + minor <= 5000) return 0;

  const std::string key = Replace(kInstallRootPattern, "%s", kOutlookVersion);
  os::RegistryApi& registry = *services.registry;
  os::RegKey handle = 0;
  if (registry.OpenKey(os::kHKeyLocalMachine, key, os::kKeyQueryValue, &handle) !=
      os::kErrorSuccess) {
    return kFailure;
  }
  std::string folder;
  const bool read = ReadPath(handle, &folder);
  registry.CloseKey(handle);
  if (!read) {
    messages += "The following registry key value was failed to be read: " + key + "\\Path\r\n";
    WriteLog(program, messages);
    return kFailure;
  }
  if (folder.empty()) {
    WriteLog(program, messages);
    return kFailure;
  }
  if (EndsWithSeparator(folder)) folder.pop_back();
  const os::FindHandle search = services.files->FindFirst(folder);
  if (search == os::kInvalidFindHandle) {
    messages += "The path from registry does not exist: \"" + folder + "\"\r\n";
    WriteLog(program, messages);
    return kFailure;
  }
  services.files->FindClose(search);

  const std::string destination = os::JoinPath(folder, kManifest);
  const std::string source = os::JoinPath(ownFolder, kManifest);
  const uint32_t error = services.files->CopyOver(source, destination);
  if (error != 0) {
    messages += "The file\r\n\t\"" + source + "\"\r\n could not be copied to:\r\n\t\"" +
                destination + "\" Error number: " + std::to_string(error) + ".\r\n";
  }
  WriteLog(program, messages);
  return static_cast<int>(error);
}

}  // namespace kov::larkspan
