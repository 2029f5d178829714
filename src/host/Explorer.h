// An Outlook explorer window: its folder and view, the selected items, its command bars and its
// events; and the application's collection of explorers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/CommandBars.h"
#include "host/Event.h"
#include "host/Folder.h"
#include "host/HtmlDocument.h"

namespace kov::host {

class Application;

class Selection : public ComObject {
 public:
  virtual int32_t Count() const = 0;
  // 1-based; raises outside 1..Count.
  virtual ItemPtr Item(int32_t index) const = 0;
};

class Explorer : public ComObject {
 public:
  virtual std::shared_ptr<host::Application> Application() const = 0;
  virtual std::shared_ptr<host::CommandBars> CommandBars() const = 0;
  virtual FolderPtr CurrentFolder() const = 0;
  // Raises BeforeFolderSwitch(folder, Cancel) first; unless a handler cancels, switches to the
  // folder (loading or unloading its home page).
  virtual void SetCurrentFolder(const FolderPtr& folder) = 0;
  virtual std::string CurrentView() const = 0;
  // Switches the view of the current folder and raises ViewSwitch; raises for an unknown view.
  virtual void SetCurrentView(const std::string& view) = 0;
  virtual std::shared_ptr<host::Selection> Selection() const = 0;
  // The home page document shown, or null when the folder shows its plain item list.
  virtual std::shared_ptr<HtmlDocument> Page() const = 0;

  Event<> Activate;
  Event<FolderPtr, bool&> BeforeFolderSwitch;
  Event<> ViewSwitch;
  Event<> Close;
};

using ExplorerPtr = std::shared_ptr<Explorer>;

class Explorers : public ComObject {
 public:
  virtual int32_t Count() const = 0;
  virtual std::vector<ExplorerPtr> All() const = 0;
  Event<ExplorerPtr> NewExplorer;
};

}  // namespace kov::host
