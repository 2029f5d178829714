#include "addin/ErrorLogFile.h"

#include <cstdio>
#include <ctime>

#include "base/AppInfo.h"
#include "base/TextFile.h"
#include "os/OsServices.h"

namespace kov {

std::string VersionText() {
  return "(Version:" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision) + ")";
}

std::string GeneralDateNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[48];
  if (local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0) {
    std::snprintf(text, sizeof text, "%d/%d/%d", local.tm_mon + 1, local.tm_mday,
                  local.tm_year + 1900);
  } else {
    const int hour12 = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
    std::snprintf(text, sizeof text, "%d/%d/%d %d:%02d:%02d %s", local.tm_mon + 1, local.tm_mday,
                  local.tm_year + 1900, hour12, local.tm_min, local.tm_sec,
                  local.tm_hour < 12 ? "AM" : "PM");
  }
  return text;
}

void WriteErrorLog(const std::string& Module, const std::string& Procedure, const std::string& Line,
                   int32_t ErrNumber, const std::string& Description) {
  const std::string path = os::JoinPath(os::AddinFolder(), "Log.txt");
  AppendTextLine(path, GeneralDateNow() + " " + VersionText() + " ___Module:" + Module +
                           ", Procedure:" + Procedure + ", Line:" + Line + ", ErrNumber:" +
                           std::to_string(ErrNumber) + ", Description:" + Description);
}

}  // namespace kov
