#include "platform/CHtmlHelp.h"

#include "base/AppInfo.h"
#include "base/ComError.h"
#include "base/Text.h"
#include "os/OsServices.h"

namespace kov {
namespace {

const std::string kSource = std::string(kAppExeName) + ".CHtmlHelp";

[[noreturn]] void Raise(int32_t number) {
  const char* description = "CHtmlHelp component failure";
  switch (number) {
    case CHtmlHelp::eErrHtmlHelp_NotInitialized:
      description = "Object not properly initialized";
      break;
    case CHtmlHelp::eErrHtmlHelp_InvalidFileName:
      description = "Invalid file name";
      break;
    case CHtmlHelp::eErrHtmlHelp_FileNotFound:
      description = "File not found";
      break;
    case CHtmlHelp::eErrHtmlHelp_InvalidWindowHandle:
      description = "Invalid window handle";
      break;
    default:
      break;
  }
  throw ComError(number, kSource, description);
}

// Lets the class's own errors through and turns anything else into its component failure.
template <typename F>
void Guarded(F&& body) {
  try {
    body();
  } catch (const ComError& e) {
    if (e.Source() == kSource) throw;
    Raise(CHtmlHelp::eErrHtmlHelp_ComponentFailure);
  } catch (...) {
    Raise(CHtmlHelp::eErrHtmlHelp_ComponentFailure);
  }
}

}  // namespace

void CHtmlHelp::CheckFile(const std::string& fileName) const {
  if (fileName.empty()) Raise(eErrHtmlHelp_InvalidFileName);
  os::FileApi& files = *os::Os().files;
  const os::FindHandle search = files.FindFirst(fileName);
  if (search == os::kInvalidFindHandle) Raise(eErrHtmlHelp_FileNotFound);
  if (!files.FindClose(search)) Raise(eErrHtmlHelp_ComponentFailure);
}

void CHtmlHelp::CheckWindow(int32_t hwnd) const {
  if (hwnd > 0 && !os::Os().windows->IsWindow(hwnd)) Raise(eErrHtmlHelp_InvalidWindowHandle);
}

void CHtmlHelp::Init(const std::string& fileName, const std::string& windowName,
                     int32_t callerHWnd) {
  Guarded([&] {
    CheckFile(fileName);
    fileName_ = fileName;
    CheckWindow(callerHWnd);
    callerHWnd_ = callerHWnd;
    windowName_ = windowName;
  });
}

void CHtmlHelp::SetCallerHWnd(int32_t hwnd) {
  Guarded([&] {
    CheckWindow(hwnd);
    callerHWnd_ = hwnd;
  });
}

void CHtmlHelp::SetFileName(const std::string& fileName) {
  Guarded([&] {
    CheckFile(fileName);
    fileName_ = fileName;
  });
}

void CHtmlHelp::Show(uint32_t command, const std::string* topic) {
  Guarded([&] {
    if (fileName_.empty()) Raise(eErrHtmlHelp_NotInitialized);
    os::HhData data = std::uintptr_t{0};
    if (topic != nullptr) {
      data = ToAnsi(*topic);
    } else if (command == os::kHhDisplaySearch) {
      data = os::HhFtsQuery{};
    }
    os::Os().htmlHelp->Call(callerHWnd_, ToAnsi(fileName_ + ">" + windowName_), command, data);
  });
}

void CHtmlHelp::ShowContents() { Show(os::kHhDisplayToc, nullptr); }
void CHtmlHelp::ShowIndex() { Show(os::kHhDisplayIndex, nullptr); }
void CHtmlHelp::ShowSearch() { Show(os::kHhDisplaySearch, nullptr); }
void CHtmlHelp::ShowTopic(const std::string& topic) { Show(os::kHhDisplayTopic, &topic); }

void CHtmlHelp::Shutdown() {
  try {
    os::Os().htmlHelp->Call(0, "", os::kHhCloseAll, std::uintptr_t{0});
  } catch (...) {
    // Closing help windows at shut-down must never fail the caller.
  }
}

}  // namespace kov
