// The Windows services over the real Win32 API (ANSI forms), for the Windows build. Nothing of
// <windows.h> shows outside win32/.
#pragma once

#include <memory>

#include "os/OsServices.h"

namespace kov::win32 {

// Every service, made together and handed out as the bundle the system runs on.
class Win32Os {
 public:
  Win32Os();
  ~Win32Os();
  Win32Os(const Win32Os&) = delete;
  Win32Os& operator=(const Win32Os&) = delete;

  os::OsServices Services() const;

 private:
  std::unique_ptr<os::RegistryApi> registry_;
  std::unique_ptr<os::EnvironmentApi> environment_;
  std::unique_ptr<os::FileApi> files_;
  std::unique_ptr<os::WindowApi> windows_;
  std::unique_ptr<os::HtmlHelpApi> htmlHelp_;
  std::unique_ptr<os::LocaleApi> locale_;
  std::unique_ptr<os::ModuleApi> modules_;
  std::unique_ptr<os::VersionApi> version_;
};

}  // namespace kov::win32
