// The host application: its version, the namespace, the explorers and the COM add-ins.
#pragma once

#include <memory>
#include <string>

#include "host/Explorer.h"
#include "host/NameSpace.h"

namespace kov::host {

class COMAddIn : public ComObject {
 public:
  virtual std::string ProgId() const = 0;
  // The object the add-in publishes for other code; null until set.
  virtual ObjectPtr Object() const = 0;
  virtual void SetObject(const ObjectPtr& object) = 0;
};

class COMAddIns : public ComObject {
 public:
  // By ProgID; raises when no such add-in is registered.
  virtual std::shared_ptr<COMAddIn> Item(const std::string& progId) const = 0;
};

class Application : public ComObject {
 public:
  // "10.0" (2002) or "11.0" (2003).
  virtual std::string Version() const = 0;
  // Only "MAPI" is known; raises for any other name.
  virtual std::shared_ptr<NameSpace> GetNamespace(const std::string& type) const = 0;
  virtual std::shared_ptr<host::Explorers> Explorers() const = 0;
  // Null when no window is open.
  virtual ExplorerPtr ActiveExplorer() const = 0;
  virtual std::shared_ptr<host::COMAddIns> COMAddIns() const = 0;
};

using ApplicationPtr = std::shared_ptr<Application>;

}  // namespace kov::host
