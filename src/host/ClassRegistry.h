// Object creation by ProgID, as CreateObject does it: the host's classes, CDO, the safe mail item
// and the add-in's own classes are registered under their ProgIDs. A ProgID that is not
// registered fails to create (ActiveX component can't create object, error 429), which is how a
// missing component shows.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "host/ComObject.h"

namespace kov::host {

class ClassRegistry {
 public:
  using Factory = std::function<ObjectPtr()>;

  void Register(const std::string& progId, Factory factory);
  // Asked for a ProgID that is not registered: the factory of a class that the system's
  // registration names (an in-process server loaded on demand), or an empty one.
  void SetFallback(std::function<Factory(const std::string& progId)> fallback) {
    fallback_ = std::move(fallback);
  }
  void Unregister(const std::string& progId);
  bool IsRegistered(const std::string& progId) const;

  // A new object of the class; raises error 429 when the ProgID is unknown or its factory gives
  // nothing.
  ObjectPtr CreateObject(const std::string& progId) const;

 private:
  std::map<std::string, Factory> factories_;  // keys in lower case: ProgIDs ignore case
  std::function<Factory(const std::string& progId)> fallback_;
};

// The process's class registry, installed by the program or a test.
ClassRegistry& Classes();
// Installs a registry for good (a loaded module takes its host's registry this way).
void InstallClassRegistry(ClassRegistry* registry);

class ScopedClassRegistry {
 public:
  explicit ScopedClassRegistry(ClassRegistry& registry);
  ~ScopedClassRegistry();
  ScopedClassRegistry(const ScopedClassRegistry&) = delete;
  ScopedClassRegistry& operator=(const ScopedClassRegistry&) = delete;

 private:
  ClassRegistry* previous_;
};

// Creates an object and asks it for an interface; null when it lacks that interface.
template <typename T>
std::shared_ptr<T> CreateObjectAs(const std::string& progId) {
  return std::dynamic_pointer_cast<T>(Classes().CreateObject(progId));
}

}  // namespace kov::host
