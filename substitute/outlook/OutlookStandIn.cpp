#include "outlook/OutlookStandIn.h"

#include "base/ComError.h"
#include "base/Text.h"
#include "outlook/StandInCdo.h"
#include "outlook/StandInViewControl.h"
#include "outlook/StoreFile.h"

namespace kov::outlook {

OutlookStandIn::OutlookStandIn(StoreSet stores, const OutlookStandInOptions& options)
    : world_(std::make_shared<StandInWorld>()), missingClasses_(options.missingClasses) {
  world_->stores = std::move(stores);
  world_->stores.Link();
  world_->version = options.version;
  world_->storeFile = options.storeFile;
  world_->missingCommandBars = options.missingCommandBars;
  world_->nameSpace = std::make_shared<StandInNameSpace>(world_);
  app_ = std::make_shared<StandInApplication>(world_);
  world_->application = app_;
}

std::unique_ptr<OutlookStandIn> OutlookStandIn::FromFile(const OutlookStandInOptions& options) {
  return std::make_unique<OutlookStandIn>(LoadStoreFile(options.storeFile), options);
}

OutlookStandIn::~OutlookStandIn() {
  // Windows hold the world and the world holds the windows: let go of both sides.
  for (const auto& explorer : world_->explorers) explorer->UnloadPage();
  world_->explorers.clear();
  world_->nameSpace.reset();
}

void OutlookStandIn::RegisterClasses(host::ClassRegistry& registry) const {
  const WorldPtr world = world_;
  auto add = [&](const std::string& progId, host::ClassRegistry::Factory factory) {
    for (const auto& missing : missingClasses_) {
      if (TextEquals(missing, progId)) return;
    }
    registry.Register(progId, std::move(factory));
  };
  add(kCdoProgId, [world] { return std::make_shared<StandInCdoSession>(world); });
  add(kSafeMailItemProgId, [] { return std::make_shared<StandInSafeMailItem>(); });
  add(kViewControlProgId, [world] { return std::make_shared<StandInViewControl>(world); });
}

std::shared_ptr<StandInExplorer> OutlookStandIn::OpenExplorer(const host::FolderPtr& folder) {
  auto target = std::dynamic_pointer_cast<StandInFolder>(folder);
  if (!target) throw ComError::Vb(vberr::TypeMismatch, "Outlook");
  const StandInCommandBars* lasting =
      world_->explorers.empty() ? lastBars_.get() : world_->explorers.front()->Bars().get();
  auto explorer = std::make_shared<StandInExplorer>(world_, target->Data(), lasting);
  world_->explorers.push_back(explorer);
  app_->ExplorerList()->NewExplorer.Raise(explorer);
  explorer->ShowFolder();
  ActivateExplorer(explorer);
  return explorer;
}

void OutlookStandIn::ActivateExplorer(const std::shared_ptr<StandInExplorer>& explorer) {
  world_->active = explorer;
  explorer->Activate.Raise();
}

void OutlookStandIn::CloseExplorer(const std::shared_ptr<StandInExplorer>& explorer) {
  explorer->Close.Raise();
  explorer->UnloadPage();
  lastBars_ = explorer->Bars();
  std::erase(world_->explorers, explorer);
  if (world_->active.lock() == explorer || world_->active.expired()) {
    world_->active.reset();
    if (!world_->explorers.empty()) ActivateExplorer(world_->explorers.back());
  }
}

std::string OutlookStandIn::ShowItemContextMenu(const std::shared_ptr<StandInExplorer>& explorer) {
  explorer->Bars()->OnUpdate.Raise();
  return explorer->Bars()->Describe("Context Menu");
}

std::shared_ptr<StandInPropertyPages> OutlookStandIn::OpenFolderProperties(
    const host::FolderPtr& folder) {
  auto pages = std::make_shared<StandInPropertyPages>();
  world_->nameSpace->OptionsPagesAdd.Raise(pages, folder);
  return pages;
}

host::FolderPtr OutlookStandIn::FolderByPath(const std::string& path) const {
  FolderData* found = nullptr;
  world_->stores.ForEachFolder([&](FolderData& folder) {
    if (found == nullptr && TextEquals(folder.Path(), path)) found = &folder;
  });
  if (found == nullptr) return nullptr;
  return std::make_shared<StandInFolder>(world_, found);
}

void OutlookStandIn::Save() const {
  if (!world_->storeFile.empty()) SaveStoreFile(world_->stores, world_->storeFile);
}

}  // namespace kov::outlook
