// A session in which the host loads the add-in as it does at start: the stand-in over the small
// store, the add-in listed in the registry, its classes creatable, and a fresh process state that
// only the add-in itself fills.
#pragma once

#include "addin/ClassFactory.h"
#include "addin/ProcessState.h"
#include "addin/dsrBrastow.h"
#include "explorer/cExplorer.h"
#include "os/OsServices.h"
#include "outlook/StandInExplorer.h"
#include "outlook/StandInFolder.h"
#include "support/AddinSession.h"

namespace kov::testing {

class ConnectedSession : public AddinSession {
 protected:
  // Starts the host (a fresh one, of that version) with or without a window.
  void Launch(const std::string& version = "11.0", bool withWindow = true) {
    Prepare(version);
    report_ = outlook_->Start(withWindow);
  }

  // A fresh host with the add-in installed, not started yet.
  void Prepare(const std::string& version = "11.0") {
    StartOutlook(version);
    state_ = ProcessState();
    for (const char* progId : kKovelinProgIds) {
      const std::string id = progId;
      classes_.Register(id, [id] { return CreateKovelinObject(id); });
    }
    os::RegKey key = 0;
    auto& registry = Os().Registry();
    registry.CreateKey(os::kHKeyCurrentUser,
                       std::string(outlook::kAddinsKey) + "\\Kovelin.dsrBrastow", os::kKeyAllAccess,
                       &key);
    const uint8_t three[4] = {3, 0, 0, 0};
    registry.SetValue(key, "LoadBehavior", os::kRegDword, three, 4);
    registry.CloseKey(key);
  }

  std::shared_ptr<outlook::StandInExplorer> Window(size_t index = 0) {
    return outlook_->World().explorers.at(index);
  }
  std::shared_ptr<cExplorer> Wrapper(const std::string& key) {
    return state_.gcolExplorers.Item(key);
  }
  std::string CommandBars(size_t window = 0) {
    std::string text;
    for (const auto& bar : Window(window)->Bars()->Bars())
      text += Window(window)->Bars()->Describe(bar->Name());
    return text;
  }
  void SetFolderValue(const std::string& name, const std::string& value) {
    int32_t type = 1;
    CRegistry registry;
    registry.SetRootKey(0x80000001u);
    registry.SetValue("Software\\Zenquor\\Kovelin Organizer\\Folders\\", name, value, type);
  }
  std::string FolderValue(const std::string& name) {
    CRegistry registry;
    registry.SetRootKey(0x80000001u);
    return registry.GetValue("Software\\Zenquor\\Kovelin Organizer\\Folders\\", name, "(none)")
        .ToString();
  }
  void Enable(const std::string& path) { SetFolderValue(Folder(path)->EntryID(), "100000010101"); }

  std::vector<std::string> report_;
};

}  // namespace kov::testing
