// Modules: the add-in's own file and the libraries it loads at run time.
#pragma once

#include <cstdint>
#include <string>

namespace kov::os {

using LibraryHandle = std::uintptr_t;

class ModuleApi {
 public:
  ModuleApi() = default;
  virtual ~ModuleApi() = default;
  ModuleApi(const ModuleApi&) = delete;
  ModuleApi& operator=(const ModuleApi&) = delete;

  // The add-in's own module handle (its instance handle), as a 32-bit number.
  virtual uint32_t AddinModule() const = 0;
  // The full path (UTF-8) of a module's file; 0 names the running program. "" when unknown.
  virtual std::string ModulePath(uint32_t module) const = 0;
  // Loads a library by its Windows file name ("LibZenquor.dll"); 0 when it cannot be loaded.
  // A library stays loaded for the life of the process.
  virtual LibraryHandle OpenLibrary(const std::string& fileName) = 0;
  // The address of an exported function, or null.
  virtual void* FindSymbol(LibraryHandle library, const std::string& name) = 0;
};

}  // namespace kov::os
