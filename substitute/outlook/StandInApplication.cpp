#include "outlook/StandInApplication.h"

#include "base/ComError.h"
#include "base/Text.h"
#include "outlook/StandInFolder.h"

namespace kov::outlook {

void StandInPropertyPages::Add(const host::ObjectPtr& page, const std::string& title) {
  if (!page) throw ComError::Vb(vberr::InvalidProcedureCall, "Outlook");
  pages_.emplace_back(page, title);
}

WorldPtr StandInNameSpace::World() const {
  WorldPtr world = world_.lock();
  if (!world) throw ComError::Vb(vberr::ObjectNotSet, "Outlook");
  return world;
}

std::shared_ptr<host::Folders> StandInNameSpace::Folders() const {
  return std::make_shared<StandInFolders>(World(), nullptr);
}

host::FolderPtr StandInNameSpace::GetDefaultFolder(int32_t folderType) const {
  const WorldPtr world = World();
  if (!world->Is2003() && folderType >= 19) {
    throw ComError(static_cast<int32_t>(0x80070057), "Microsoft Outlook",
                   "The folder type " + std::to_string(folderType) + " is not valid.");
  }
  if (world->stores.stores.empty()) RaiseNotFound("default store");
  FolderData* found = nullptr;
  std::vector<FolderData*> pending{world->stores.stores.front()->root.get()};
  while (!pending.empty() && found == nullptr) {
    FolderData* folder = pending.back();
    pending.pop_back();
    if (folder->defaultFolder == folderType) found = folder;
    for (const auto& child : folder->folders) pending.push_back(child.get());
  }
  if (found == nullptr) RaiseNotFound("default folder " + std::to_string(folderType));
  return std::make_shared<StandInFolder>(world, found);
}

std::shared_ptr<host::COMAddIn> StandInCOMAddIns::Item(const std::string& progId) const {
  for (const auto& addIn : addIns_) {
    if (TextEquals(addIn->ProgId(), progId)) return addIn;
  }
  throw ComError::Vb(vberr::SubscriptOutOfRange, "Microsoft Office");
}

std::shared_ptr<StandInCOMAddIn> StandInCOMAddIns::Add(const std::string& progId) {
  for (const auto& addIn : addIns_) {
    if (TextEquals(addIn->ProgId(), progId)) return addIn;
  }
  addIns_.push_back(std::make_shared<StandInCOMAddIn>(progId));
  return addIns_.back();
}

StandInApplication::StandInApplication(WorldPtr world)
    : world_(std::move(world)), explorers_(std::make_shared<StandInExplorers>(world_)) {}

std::shared_ptr<host::NameSpace> StandInApplication::GetNamespace(const std::string& type) const {
  if (!TextEquals(type, "MAPI")) throw ComError::Vb(vberr::InvalidProcedureCall, "Outlook");
  return world_->nameSpace;
}

}  // namespace kov::outlook
