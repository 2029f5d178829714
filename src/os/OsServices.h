// The Windows services the system runs on, gathered in one place. The program and the tests
// install a backend (the substitutes on Linux, the Win32 implementations on Windows); the system
// reaches the services only through Os().
#pragma once

#include <string>

#include "os/EnvironmentApi.h"
#include "os/FileApi.h"
#include "os/HtmlHelpApi.h"
#include "os/LocaleApi.h"
#include "os/ModuleApi.h"
#include "os/RegistryApi.h"
#include "os/VersionApi.h"
#include "os/WindowApi.h"

namespace kov::os {

struct OsServices {
  RegistryApi* registry = nullptr;
  EnvironmentApi* environment = nullptr;
  FileApi* files = nullptr;
  WindowApi* windows = nullptr;
  HtmlHelpApi* htmlHelp = nullptr;
  LocaleApi* locale = nullptr;
  ModuleApi* modules = nullptr;
  VersionApi* version = nullptr;
};

// The installed services. Raises (std::logic_error) when none are installed.
const OsServices& Os();

// Installs services for good (a loaded module takes its host's services this way).
void InstallOs(const OsServices* services);

// Installs services for its lifetime and restores the previous ones afterwards.
class ScopedOs {
 public:
  explicit ScopedOs(const OsServices& services);
  ~ScopedOs();
  ScopedOs(const ScopedOs&) = delete;
  ScopedOs& operator=(const ScopedOs&) = delete;

 private:
  const OsServices* previous_;
  OsServices services_;
};

// Joins a folder and a file name with the platform's separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// The folder part of a file path (without the final separator), "" when there is none. Both
// separators count, so that a Windows path read from the registry splits on Linux too.
std::string FolderOf(const std::string& path);

// The folder of the add-in's own file ("App.Path").
std::string AddinFolder();

}  // namespace kov::os
