#include "windows/ComServerLoader.h"

#include <set>

#include "base/Text.h"
#include "os/OsServices.h"

namespace kov::substitute {
namespace {

std::string ServerKey(const std::string& progId) { return ToAnsi(progId) + "\\InprocServer32"; }

std::string ModulePathOf(const std::string& progId) {
  os::RegistryApi& registry = *os::Os().registry;
  os::RegKey key = 0;
  if (registry.OpenKey(os::kHKeyClassesRoot, ServerKey(progId), os::kKeyQueryValue, &key) !=
      os::kErrorSuccess) {
    return "";
  }
  uint32_t type = 0;
  uint32_t size = 0;
  std::string path;
  if (registry.QueryValue(key, "", &type, nullptr, &size) == os::kErrorSuccess && size > 0) {
    std::string data(size, '\0');
    registry.QueryValue(key, "", &type, reinterpret_cast<uint8_t*>(data.data()), &size);
    path = FromAnsi(data.substr(0, data.find('\0')));
  }
  registry.CloseKey(key);
  return path;
}

}  // namespace

void InstallComServerLoader(host::ClassRegistry& classes, const host::ComServerHost& services) {
  classes.SetFallback([services](const std::string& progId) -> host::ClassRegistry::Factory {
    const std::string path = ModulePathOf(progId);
    if (path.empty()) return nullptr;
    os::ModuleApi& modules = *os::Os().modules;
    const os::LibraryHandle library = modules.OpenLibrary(path);
    if (library == 0) return nullptr;
    auto attach = reinterpret_cast<host::ComServerAttachFn>(
        modules.FindSymbol(library, host::kComServerAttach));
    auto create = reinterpret_cast<host::ComServerCreateObjectFn>(
        modules.FindSymbol(library, host::kComServerCreateObject));
    if (attach == nullptr || create == nullptr) return nullptr;
    static std::set<os::LibraryHandle> attached;
    if (attached.insert(library).second && attach(&services) != 0) return nullptr;
    return [create, progId] {
      std::shared_ptr<host::ComObject> object;
      create(progId.c_str(), &object);
      return object;
    };
  });
}

void RegisterComServer(const std::string& progId, const std::string& modulePath) {
  os::RegistryApi& registry = *os::Os().registry;
  os::RegKey key = 0;
  if (registry.CreateKey(os::kHKeyClassesRoot, ServerKey(progId), os::kKeyAllAccess, &key) !=
      os::kErrorSuccess) {
    return;
  }
  const std::string data = ToAnsi(modulePath) + '\0';
  registry.SetValue(key, "", os::kRegSz, reinterpret_cast<const uint8_t*>(data.data()),
                    static_cast<uint32_t>(data.size()));
  registry.CloseKey(key);
}

}  // namespace kov::substitute
