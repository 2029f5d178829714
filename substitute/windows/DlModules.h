// Modules on Linux: the add-in's file is whatever path it was given, and libraries named by
// their Windows file name ("LibZenquor.dll") are loaded as shared objects ("LibZenquor.so")
// from the add-in's folder first, then from the further folders given.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "os/ModuleApi.h"

namespace kov::substitute {

class DlModules : public os::ModuleApi {
 public:
  DlModules(std::string addinPath, std::vector<std::string> libraryFolders);

  uint32_t AddinModule() const override { return kAddinModule; }
  // The path ModulePath(0) answers for the running program (its real path by default).
  void SetProgramPath(std::string path) { programPath_ = std::move(path); }
  std::string ModulePath(uint32_t module) const override;
  os::LibraryHandle OpenLibrary(const std::string& fileName) override;
  void* FindSymbol(os::LibraryHandle library, const std::string& name) override;

  // The add-in's instance handle as Windows would give it: a 32-bit number.
  static constexpr uint32_t kAddinModule = 0x11000000u;

 private:
  std::string addinPath_;
  std::string programPath_;
  std::vector<std::string> libraryFolders_;
  std::map<std::string, os::LibraryHandle> loaded_;
};

}  // namespace kov::substitute
