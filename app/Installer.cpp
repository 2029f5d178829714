#include "Installer.h"

#include <filesystem>

#include "addin/ClassFactory.h"
#include "base/Text.h"
#include "base/TextFile.h"
#include "os/OsServices.h"
#include "outlook/OutlookStandIn.h"
#include "windows/ComServerLoader.h"

namespace kov::sim {
namespace {

void SetValue(os::RegKey key, const std::string& name, uint32_t type, const std::string& data) {
  os::Os().registry->SetValue(key, name, type, reinterpret_cast<const uint8_t*>(data.data()),
                              static_cast<uint32_t>(data.size()));
}

}  // namespace

bool InstallAddin(const std::string& programFolder, const std::string& addinFolder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (const char* file : {"Kovelin.so", "KovelinOrganizer.html"}) {
    const fs::path source = FsPath(programFolder) / file;
    if (!fs::exists(source, ec)) return false;
    fs::copy_file(source, FsPath(addinFolder) / file, fs::copy_options::overwrite_existing, ec);
    if (ec) return false;
  }
  const std::string module = addinFolder + "/Kovelin.so";
  for (const char* progId : kKovelinProgIds) substitute::RegisterComServer(progId, module);

  os::RegistryApi& registry = *os::Os().registry;
  os::RegKey key = 0;
  const std::string addIn = std::string(outlook::kAddinsKey) + "\\Kovelin.dsrBrastow";
  if (registry.CreateKey(os::kHKeyCurrentUser, addIn, os::kKeyAllAccess, &key) !=
      os::kErrorSuccess) {
    return false;
  }
  SetValue(key, "FriendlyName", os::kRegSz, ToAnsi("Kovelin Organizer") + '\0');
  SetValue(key, "LoadBehavior", os::kRegDword, std::string("\x03\0\0\0", 4));
  registry.CloseKey(key);
  return true;
}

}  // namespace kov::sim
