#include "outlook/OutlookStandIn.h"

#include "base/ComError.h"
#include "base/Text.h"
#include "host/AddIn.h"
#include "os/OsServices.h"
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
  addIns_.clear();
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

namespace {

// The ProgIDs of the add-ins listed in the registry, and whether each loads at start.
std::vector<std::pair<std::string, bool>> ListedAddIns() {
  std::vector<std::pair<std::string, bool>> listed;
  os::RegistryApi& registry = *os::Os().registry;
  os::RegKey key = 0;
  if (registry.OpenKey(os::kHKeyCurrentUser, kAddinsKey,
                       os::kKeyQueryValue | os::kKeyEnumerateSubKeys, &key) != os::kErrorSuccess) {
    return listed;
  }
  for (uint32_t index = 0;; ++index) {
    char name[256];
    uint32_t chars = sizeof name;
    if (registry.EnumKey(key, index, name, &chars) != os::kErrorSuccess) break;
    const std::string progId(name, chars);
    os::RegKey addIn = 0;
    uint32_t behavior = 0;
    if (registry.OpenKey(key, progId, os::kKeyQueryValue, &addIn) == os::kErrorSuccess) {
      uint32_t type = 0;
      uint32_t size = sizeof behavior;
      if (registry.QueryValue(addIn, "LoadBehavior", &type, reinterpret_cast<uint8_t*>(&behavior),
                              &size) != os::kErrorSuccess ||
          type != os::kRegDword) {
        behavior = 0;
      }
      registry.CloseKey(addIn);
    }
    listed.emplace_back(FromAnsi(progId), behavior == 3);
  }
  registry.CloseKey(key);
  return listed;
}

}  // namespace

std::vector<std::string> OutlookStandIn::Start(bool withWindow) {
  std::vector<std::string> report;
  std::shared_ptr<StandInExplorer> first;
  if (withWindow) {
    auto inbox = std::dynamic_pointer_cast<StandInFolder>(
        world_->nameSpace->GetDefaultFolder(host::olFolderInbox));
    first = std::make_shared<StandInExplorer>(world_, inbox->Data(), lastBars_.get());
    world_->explorers.push_back(first);
    first->ShowFolder();
    world_->active = first;
  }
  for (const auto& [progId, atStart] : ListedAddIns()) {
    auto addIn = app_->AddIns()->Add(progId);
    if (!atStart) continue;
    try {
      host::ObjectPtr object = host::Classes().CreateObject(progId);
      auto connection = std::dynamic_pointer_cast<host::IDTExtensibility2>(object);
      if (!connection) throw ComError::Vb(vberr::TypeMismatch, "Outlook");
      addIns_.emplace_back(progId, object);
      connection->OnConnection(app_, host::ext_cm_Startup, addIn, Variant());
      connection->OnStartupComplete(Variant());
      report.push_back("add-in " + progId + " loaded");
    } catch (const ComError& e) {
      report.push_back("add-in " + progId + " failed: " + e.Description());
    }
  }
  if (first) first->Activate.Raise();
  return report;
}

void OutlookStandIn::Quit() {
  while (!world_->explorers.empty()) CloseExplorer(world_->explorers.back());
  for (const auto& [progId, object] : addIns_) {
    auto connection = std::dynamic_pointer_cast<host::IDTExtensibility2>(object);
    try {
      connection->OnBeginShutdown(Variant());
      connection->OnDisconnection(host::ext_dm_HostShutdown, Variant());
    } catch (const ComError&) {
      // The host goes away whatever its add-ins answer.
    }
  }
  addIns_.clear();
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
