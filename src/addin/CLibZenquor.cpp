#include "addin/CLibZenquor.h"

#include "base/AppInfo.h"
#include "base/ComError.h"
#include "base/Text.h"
#include "os/LibZenquorApi.h"
#include "os/OsServices.h"

namespace kov {

template <typename Fn>
Fn CLibZenquor::Resolve(const char* name) const {
  os::ModuleApi& modules = *os::Os().modules;
  const os::LibraryHandle library = modules.OpenLibrary(kLibraryFile);
  if (library == 0) {
    throw ComError(vberr::FileNotFound, kAppExeName,
                   std::string("File not found: ") + kLibraryFile);
  }
  void* address = modules.FindSymbol(library, name);
  if (address == nullptr) {
    throw ComError(vberr::DllEntryPointNotFound, kAppExeName,
                   std::string("Can't find DLL entry point ") + name + " in " + kLibraryFile);
  }
  return reinterpret_cast<Fn>(address);
}

int32_t CLibZenquor::AddAboutMenu(void* objExplorer) {
  return Resolve<LibZenquorAddAboutMenuFn>("LibZenquorAddAboutMenu")(moduleHandle_, objExplorer);
}

Variant CLibZenquor::CreateLog(bool bErr, const std::string& strFileName,
                               const std::string& strComponentName,
                               const std::string& strComponentVer, eLogLevel& level) {
  const auto fn = Resolve<LibZenquorCreateLogFn>("LibZenquorCreateLog");
  int32_t passedLevel = level;
  const int32_t result =
      fn(moduleHandle_, bErr ? -1 : 0, ToAnsi(strFileName).c_str(),
         ToAnsi(strComponentName).c_str(), ToAnsi(strComponentVer).c_str(), &passedLevel);
  level = static_cast<eLogLevel>(passedLevel);
  return Variant(result);
}

int32_t CLibZenquor::Init(uint32_t hModule, void* objOLAppDisp, std::uintptr_t lpQuickStartProc) {
  moduleHandle_ = hModule;
  const auto fn = Resolve<LibZenquorInitFn>("LibZenquorInit");
  const std::string folder = ToAnsi(os::FolderOf(os::Os().modules->ModulePath(hModule)));
  return fn(hModule, objOLAppDisp, lpQuickStartProc, folder.c_str());
}

int32_t CLibZenquor::InitComplete() {
  return Resolve<LibZenquorInitCompleteFn>("LibZenquorInitComplete")(moduleHandle_);
}

int32_t CLibZenquor::InitEx(uint32_t hModule, void* pParams) {
  moduleHandle_ = hModule;
  return Resolve<LibZenquorInitExFn>("LibZenquorInitEx")(hModule, pParams);
}

int32_t CLibZenquor::LogMsg(const std::string& strText, int32_t nErrNo, const std::string& strPoint,
                            ELogType eType, eLogLevel eLevel) {
  return Resolve<LibZenquorLogMsgFn>("LibZenquorLogMsg")(
      moduleHandle_, ToAnsi(strText).c_str(), nErrNo, ToAnsi(strPoint).c_str(), eType, eLevel);
}

int32_t CLibZenquor::LogMsgEx(const std::string& strText, int32_t nErrNo,
                              const std::string& strPoint, ELogType eType, eLogLevel eLevel,
                              int32_t nIndex) {
  return Resolve<LibZenquorLogMsgExFn>("LibZenquorLogMsgEx")(moduleHandle_, ToAnsi(strText).c_str(),
                                                             nErrNo, ToAnsi(strPoint).c_str(),
                                                             eType, eLevel, nIndex);
}

int32_t CLibZenquor::ReportProblem() {
  return Resolve<LibZenquorReportProblemFn>("LibZenquorReportProblem")(moduleHandle_);
}

int32_t CLibZenquor::ShowAbout() {
  return Resolve<LibZenquorShowAboutFn>("LibZenquorShowAbout")(moduleHandle_);
}

}  // namespace kov
