// CLibZenquor is the thin class over the maker's support library LibZenquor: logging and the
// maker's About box. Every call resolves its function from the library when it is made, so a
// missing library or function raises to the caller of the method (which, from inside an error
// handler, means to that procedure's caller).
#pragma once

#include <cstdint>
#include <string>

#include "base/LogTypes.h"
#include "base/Variant.h"

namespace kov {

class CLibZenquor : public MessageLog {
 public:
  // The library's Windows file name.
  static constexpr const char* kLibraryFile = "LibZenquor.dll";

  int32_t AddAboutMenu(void* objExplorer);
  Variant CreateLog(bool bErr, const std::string& strFileName, const std::string& strComponentName,
                    const std::string& strComponentVer, eLogLevel& level);
  int32_t Init(uint32_t hModule, void* objOLAppDisp, std::uintptr_t lpQuickStartProc);
  int32_t InitComplete();
  int32_t InitEx(uint32_t hModule, void* pParams);
  int32_t LogMsg(const std::string& strText, int32_t nErrNo, const std::string& strPoint,
                 ELogType eType, eLogLevel eLevel) override;
  int32_t LogMsgEx(const std::string& strText, int32_t nErrNo, const std::string& strPoint,
                   ELogType eType, eLogLevel eLevel, int32_t nIndex);
  int32_t ReportProblem();
  int32_t ShowAbout();

 private:
  // The library function's address; raises VB's DLL errors when the library or function is
  // missing.
  template <typename Fn>
  Fn Resolve(const char* name) const;

  uint32_t moduleHandle_ = 0;
};

}  // namespace kov
