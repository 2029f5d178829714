// The application object of the stand-in with its namespace, the Properties dialog's pages and
// the COM add-ins list.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/Application.h"
#include "outlook/StandInExplorer.h"
#include "outlook/StandInWorld.h"

namespace kov::outlook {

class StandInPropertyPages : public host::PropertyPages {
 public:
  void Add(const host::ObjectPtr& page, const std::string& title) override;
  int32_t Count() const override { return static_cast<int32_t>(pages_.size()); }
  std::vector<std::pair<host::ObjectPtr, std::string>> pages_;
};

class StandInNameSpace : public host::NameSpace {
 public:
  explicit StandInNameSpace(std::weak_ptr<StandInWorld> world) : world_(std::move(world)) {}
  std::shared_ptr<host::Folders> Folders() const override;
  host::FolderPtr GetDefaultFolder(int32_t folderType) const override;

 private:
  WorldPtr World() const;

  // The world owns the namespace; a weak reference avoids a cycle.
  std::weak_ptr<StandInWorld> world_;
};

class StandInCOMAddIn : public host::COMAddIn {
 public:
  explicit StandInCOMAddIn(std::string progId) : progId_(std::move(progId)) {}
  std::string ProgId() const override { return progId_; }
  host::ObjectPtr Object() const override { return object_; }
  void SetObject(const host::ObjectPtr& object) override { object_ = object; }

 private:
  std::string progId_;
  host::ObjectPtr object_;
};

class StandInCOMAddIns : public host::COMAddIns {
 public:
  std::shared_ptr<host::COMAddIn> Item(const std::string& progId) const override;
  std::shared_ptr<StandInCOMAddIn> Add(const std::string& progId);
  void Clear() { addIns_.clear(); }

 private:
  std::vector<std::shared_ptr<StandInCOMAddIn>> addIns_;
};

class StandInApplication : public host::Application {
 public:
  explicit StandInApplication(WorldPtr world);
  std::string Version() const override { return world_->version; }
  std::shared_ptr<host::NameSpace> GetNamespace(const std::string& type) const override;
  std::shared_ptr<host::Explorers> Explorers() const override { return explorers_; }
  host::ExplorerPtr ActiveExplorer() const override { return world_->active.lock(); }
  std::shared_ptr<host::COMAddIns> COMAddIns() const override { return addIns_; }

  const std::shared_ptr<StandInExplorers>& ExplorerList() const { return explorers_; }
  const std::shared_ptr<StandInCOMAddIns>& AddIns() const { return addIns_; }

 private:
  WorldPtr world_;
  std::shared_ptr<StandInExplorers> explorers_;
  std::shared_ptr<StandInCOMAddIns> addIns_ = std::make_shared<StandInCOMAddIns>();
};

}  // namespace kov::outlook
