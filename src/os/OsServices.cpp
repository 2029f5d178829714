#include "os/OsServices.h"

#include <stdexcept>

namespace kov::os {
namespace {

const OsServices*& CurrentServices() {
  static const OsServices* current = nullptr;
  return current;
}

}  // namespace

const OsServices& Os() {
  const OsServices* services = CurrentServices();
  if (services == nullptr) throw std::logic_error("no Windows services are installed");
  return *services;
}

void InstallOs(const OsServices* services) { CurrentServices() = services; }

ScopedOs::ScopedOs(const OsServices& services) : previous_(CurrentServices()), services_(services) {
  CurrentServices() = &services_;
}

ScopedOs::~ScopedOs() { CurrentServices() = previous_; }

std::string JoinPath(const std::string& folder, const std::string& name) {
  const char separator = Os().files->PathSeparator();
  if (folder.empty()) return name;
  if (folder.back() == separator) return folder + name;
  return folder + separator + name;
}

std::string FolderOf(const std::string& path) {
  // Both separators count: a Windows path may hold forward slashes too.
  const size_t at = path.find_last_of("\\/");
  return at == std::string::npos ? std::string() : path.substr(0, at);
}

std::string AddinFolder() {
  const auto* modules = Os().modules;
  return FolderOf(modules->ModulePath(modules->AddinModule()));
}

}  // namespace kov::os
