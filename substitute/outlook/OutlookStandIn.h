// The Outlook stand-in as a whole: it owns the stores and the application object, registers the
// classes the host provides (CDO, the safe mail item, the view control), and offers what a person
// or a test does to the host: opening and closing windows, opening a folder's Properties dialog,
// finding folders by path.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/ClassRegistry.h"
#include "outlook/StandInApplication.h"
#include "outlook/StandInExplorer.h"
#include "outlook/StandInFolder.h"
#include "outlook/StandInWorld.h"

namespace kov::outlook {

struct OutlookStandInOptions {
  // "10.0" for the 2002 host, "11.0" for 2003.
  std::string version = "11.0";
  // Where the stores are saved after every change; empty keeps them in memory.
  std::string storeFile;
  std::set<std::string> missingCommandBars;
  // ProgIDs to leave out of the class registry, as a machine without that component.
  std::set<std::string> missingClasses;
};

class OutlookStandIn {
 public:
  OutlookStandIn(StoreSet stores, const OutlookStandInOptions& options);
  // Loads the store file named in the options (raising StoreFileError when it is malformed).
  static std::unique_ptr<OutlookStandIn> FromFile(const OutlookStandInOptions& options);
  ~OutlookStandIn();
  OutlookStandIn(const OutlookStandIn&) = delete;
  OutlookStandIn& operator=(const OutlookStandIn&) = delete;

  const std::shared_ptr<StandInApplication>& Application() const { return app_; }
  StandInWorld& World() const { return *world_; }
  std::shared_ptr<host::NameSpace> NameSpace() const { return world_->nameSpace; }

  void RegisterClasses(host::ClassRegistry& registry) const;

  // Starts as the host does: with a window on the Inbox (or none), then loads the add-ins that
  // HKEY_CURRENT_USER\Software\Microsoft\Office\Outlook\Addins lists with LoadBehavior 3
  // (creating each by its ProgID and connecting it), then shows the window. Returns one line per
  // add-in saying how it went.
  std::vector<std::string> Start(bool withWindow);
  // Shuts down as the host does: every window closes, then each add-in hears OnBeginShutdown
  // and OnDisconnection and is released.
  void Quit();

  // Opens a window on a folder: raises NewExplorer, then makes it the active window (Activate).
  std::shared_ptr<StandInExplorer> OpenExplorer(const host::FolderPtr& folder);
  void ActivateExplorer(const std::shared_ptr<StandInExplorer>& explorer);
  // Raises Close, drops the window's page and temporary controls, and activates another window.
  void CloseExplorer(const std::shared_ptr<StandInExplorer>& explorer);
  // A right click on the window's selected items: the command bars update (OnUpdate) before the
  // item context menu ("Context Menu") shows; returns that menu as a person sees it.
  std::string ShowItemContextMenu(const std::shared_ptr<StandInExplorer>& explorer);
  // The folder's Properties dialog opens: raises OptionsPagesAdd with fresh pages.
  std::shared_ptr<StandInPropertyPages> OpenFolderProperties(const host::FolderPtr& folder);

  // "\\Personal Folders\Inbox"; null when there is no such folder.
  host::FolderPtr FolderByPath(const std::string& path) const;
  void Save() const;

 private:
  WorldPtr world_;
  std::shared_ptr<StandInApplication> app_;
  std::set<std::string> missingClasses_;
  // The bars of the last window closed, so that a later window keeps their lasting controls.
  std::shared_ptr<StandInCommandBars> lastBars_;
  std::vector<std::pair<std::string, host::ObjectPtr>> addIns_;
};

// Where the host finds its add-ins, under the current user.
inline constexpr const char* kAddinsKey = "Software\\Microsoft\\Office\\Outlook\\Addins";

}  // namespace kov::outlook
