// The maker's support library, as a stand-in: every function appends one line naming itself and
// its arguments to "LibZenquor.log" and returns 0. The log lies in the folder the add-in passes
// to LibZenquorInit, or beside the library until then. The About box and the problem report are
// recorded the same way; they show nothing.
#include <dlfcn.h>

#include <cstdio>
#include <ctime>
#include <map>
#include <string>

#include "os/LibZenquorApi.h"

namespace {

std::map<uint32_t, std::string>& Folders() {
  static std::map<uint32_t, std::string> folders;
  return folders;
}

std::string OwnFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&OwnFolder), &info) == 0 || info.dli_fname == nullptr) {
    return ".";
  }
  const std::string path = info.dli_fname;
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string Quoted(const char* text) { return std::string("\"") + (text ? text : "") + "\""; }

int32_t Record(uint32_t hModule, const std::string& call) {
  const auto it = Folders().find(hModule);
  const std::string folder = it != Folders().end() ? it->second : OwnFolder();
  const std::string path = folder + "/LibZenquor.log";
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return 0;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
  std::fprintf(file, "%s\t%s\r\n", stamp, call.c_str());
  std::fclose(file);
  return 0;
}

std::string Num(long long value) { return std::to_string(value); }

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int32_t LibZenquorAddAboutMenu(uint32_t hModule,
                                                                      void* objExplorer) {
  return Record(hModule, "AddAboutMenu\t" + Num(hModule) + "\t" +
                             std::string(objExplorer ? "explorer" : "null"));
}

__attribute__((visibility("default"))) int32_t LibZenquorCreateLog(uint32_t hModule, int32_t bErr,
                                                                   const char* fileName,
                                                                   const char* componentName,
                                                                   const char* componentVer,
                                                                   int32_t* logLevel) {
  return Record(hModule, "CreateLog\t" + Num(hModule) + "\t" + Num(bErr) + "\t" + Quoted(fileName) +
                             "\t" + Quoted(componentName) + "\t" + Quoted(componentVer) + "\t" +
                             Num(logLevel ? *logLevel : -1));
}

__attribute__((visibility("default"))) int32_t LibZenquorInit(uint32_t hModule, void* objOLAppDisp,
                                                              std::uintptr_t lpQuickStartProc,
                                                              const char* addinFolder) {
  if (addinFolder != nullptr && *addinFolder != '\0') Folders()[hModule] = addinFolder;
  return Record(hModule, "Init\t" + Num(hModule) + "\t" +
                             std::string(objOLAppDisp ? "application" : "null") + "\t" +
                             std::string(lpQuickStartProc ? "routine" : "null") + "\t" +
                             Quoted(addinFolder));
}

__attribute__((visibility("default"))) int32_t LibZenquorInitComplete(uint32_t hModule) {
  return Record(hModule, "InitComplete\t" + Num(hModule));
}

__attribute__((visibility("default"))) int32_t LibZenquorInitEx(uint32_t hModule, void* pParams) {
  return Record(hModule,
                "InitEx\t" + Num(hModule) + "\t" + std::string(pParams ? "params" : "null"));
}

__attribute__((visibility("default"))) int32_t LibZenquorLogMsg(uint32_t hModule, const char* text,
                                                                int32_t errNo, const char* point,
                                                                int32_t type, int32_t level) {
  return Record(hModule, "LogMsg\t" + Num(hModule) + "\t" + Quoted(text) + "\t" + Num(errNo) +
                             "\t" + Quoted(point) + "\t" + Num(type) + "\t" + Num(level));
}

__attribute__((visibility("default"))) int32_t LibZenquorLogMsgEx(uint32_t hModule,
                                                                  const char* text, int32_t errNo,
                                                                  const char* point, int32_t type,
                                                                  int32_t level, int32_t index) {
  return Record(hModule, "LogMsgEx\t" + Num(hModule) + "\t" + Quoted(text) + "\t" + Num(errNo) +
                             "\t" + Quoted(point) + "\t" + Num(type) + "\t" + Num(level) + "\t" +
                             Num(index));
}

__attribute__((visibility("default"))) int32_t LibZenquorReportProblem(uint32_t hModule) {
  return Record(hModule, "ReportProblem\t" + Num(hModule));
}

__attribute__((visibility("default"))) int32_t LibZenquorShowAbout(uint32_t hModule) {
  return Record(hModule, "ShowAbout\t" + Num(hModule));
}

}  // extern "C"
