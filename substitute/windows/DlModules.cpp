#include "windows/DlModules.h"

#include <dlfcn.h>

#include <filesystem>

#include "base/Text.h"
#include "os/OsServices.h"

namespace kov::substitute {

DlModules::DlModules(std::string addinPath, std::vector<std::string> libraryFolders)
    : addinPath_(std::move(addinPath)), libraryFolders_(std::move(libraryFolders)) {}

std::string DlModules::ModulePath(uint32_t module) const {
  if (module == kAddinModule) return addinPath_;
  if (module == 0) {
    if (!programPath_.empty()) return programPath_;
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).string();
  }
  return "";
}

os::LibraryHandle DlModules::OpenLibrary(const std::string& fileName) {
  const std::string key = LCase(fileName);
  if (const auto it = loaded_.find(key); it != loaded_.end()) return it->second;
  std::string stem = fileName;
  for (const char* extension : {".dll", ".so"}) {
    const size_t length = std::string(extension).size();
    if (stem.size() > length && TextEquals(stem.substr(stem.size() - length), extension)) {
      stem.resize(stem.size() - length);
    }
  }
  // A full path names the file itself; a bare name is looked for in the folders.
  std::vector<std::string> candidates;
  if (stem.find_first_of("/\\") != std::string::npos) {
    candidates.push_back(stem + ".so");
  } else {
    std::vector<std::string> folders{os::FolderOf(addinPath_)};
    folders.insert(folders.end(), libraryFolders_.begin(), libraryFolders_.end());
    for (const auto& folder : folders) {
      if (!folder.empty()) candidates.push_back(folder + "/" + stem + ".so");
    }
  }
  for (const auto& candidate : candidates) {
    std::error_code ec;
    if (!std::filesystem::exists(candidate, ec)) continue;
    if (void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      const auto library = reinterpret_cast<os::LibraryHandle>(handle);
      loaded_.emplace(key, library);
      return library;
    }
  }
  return 0;
}

void* DlModules::FindSymbol(os::LibraryHandle library, const std::string& name) {
  if (library == 0) return nullptr;
  return dlsym(reinterpret_cast<void*>(library), name.c_str());
}

}  // namespace kov::substitute
