#include "host/ClassRegistry.h"

#include <stdexcept>

#include "base/ComError.h"
#include "base/Text.h"

namespace kov::host {
namespace {

ClassRegistry*& Current() {
  static ClassRegistry* current = nullptr;
  return current;
}

constexpr int32_t kCantCreateObject = 429;

}  // namespace

void ClassRegistry::Register(const std::string& progId, Factory factory) {
  factories_[LCase(progId)] = std::move(factory);
}

void ClassRegistry::Unregister(const std::string& progId) { factories_.erase(LCase(progId)); }

bool ClassRegistry::IsRegistered(const std::string& progId) const {
  return factories_.count(LCase(progId)) > 0;
}

ObjectPtr ClassRegistry::CreateObject(const std::string& progId) const {
  const auto it = factories_.find(LCase(progId));
  ObjectPtr object;
  if (it != factories_.end()) {
    object = it->second();
  } else if (fallback_) {
    if (Factory factory = fallback_(progId)) object = factory();
  }
  if (!object)
    throw ComError(kCantCreateObject, "Kovelin", "ActiveX component can't create object");
  return object;
}

ClassRegistry& Classes() {
  ClassRegistry* registry = Current();
  if (registry == nullptr) throw std::logic_error("no class registry is installed");
  return *registry;
}

void InstallClassRegistry(ClassRegistry* registry) { Current() = registry; }

ScopedClassRegistry::ScopedClassRegistry(ClassRegistry& registry) : previous_(Current()) {
  Current() = &registry;
}

ScopedClassRegistry::~ScopedClassRegistry() { Current() = previous_; }

}  // namespace kov::host
