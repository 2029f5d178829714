// Every Windows service substitute, made together for one profile and handed out as the
// OsServices bundle the system runs on.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "os/OsServices.h"
#include "windows/DlModules.h"
#include "windows/FixedLocale.h"
#include "windows/FixedVersion.h"
#include "windows/HostFiles.h"
#include "windows/ProcessEnvironment.h"
#include "windows/RecordingHtmlHelp.h"
#include "windows/RegFileRegistry.h"
#include "windows/WindowTable.h"

namespace kov::substitute {

struct SubstituteOsOptions {
  // The registry's .reg file; empty keeps the registry in memory.
  std::string registryFile;
  // The path of the add-in's own file; its folder is "the add-in's folder".
  std::string addinPath;
  // Further folders to load libraries such as LibZenquor from.
  std::vector<std::string> libraryFolders;
};

class SubstituteOs {
 public:
  // With saveRegistryOnChange false the registry file is written only by Registry().Save().
  explicit SubstituteOs(const SubstituteOsOptions& options, bool saveRegistryOnChange = true);

  os::OsServices Services();

  RegFileRegistry& Registry() { return *registry_; }
  ProcessEnvironment& Environment() { return environment_; }
  HostFiles& Files() { return files_; }
  WindowTable& Windows() { return windows_; }
  RecordingHtmlHelp& HtmlHelp() { return htmlHelp_; }
  FixedLocale& Locale() { return locale_; }
  DlModules& Modules() { return modules_; }
  FixedVersion& Version() { return version_; }

 private:
  std::unique_ptr<RegFileRegistry> registry_;
  ProcessEnvironment environment_;
  HostFiles files_;
  WindowTable windows_;
  RecordingHtmlHelp htmlHelp_;
  FixedLocale locale_;
  DlModules modules_;
  FixedVersion version_;
};

}  // namespace kov::substitute
