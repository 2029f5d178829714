// cExplorer wraps one explorer window: it owns the folder tab set of the folder the window shows,
// adds the add-in's menu items and "Tab&s" button to the window's command bars, follows the
// window's folder and view switches, builds the "Create Tab by Sender/Recipient" sub-menu of the
// item context menu, and removes itself when the window closes.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "base/MessageLoop.h"
#include "explorer/ExplorerTabBar.h"
#include "host/Explorer.h"
#include "model/Ctab4.h"

namespace kov {

class cExplorer : public std::enable_shared_from_this<cExplorer> {
 public:
  cExplorer();
  ~cExplorer();
  cExplorer(const cExplorer&) = delete;
  cExplorer& operator=(const cExplorer&) = delete;

  const std::string& ExplorerKey() const { return key_; }
  // Also makes the key the active explorer's key.
  void SetExplorerKey(const std::string& key);
  const host::ExplorerPtr& Explorer() const { return olExplorer_; }
  // Starts listening to the window and takes over the folder it shows.
  void SetExplorer(const host::ExplorerPtr& explorer);
  void SeteToolBar(const std::shared_ptr<ExplorerTabBar>& toolBar) { eToolBar_ = toolBar; }
  std::shared_ptr<ExplorerTabBar> eToolBar() const { return eToolBar_.lock(); }

  // The folder tab set of the window's current folder; the same object for the wrapper's life.
  std::shared_ptr<Ctab4> mvarCurentTab = std::make_shared<Ctab4>();

  void AddMenuAbout();
  void InitFirstFolder(bool schedule);
  bool CanHaveTabs(const host::FolderPtr& folder) const;
  bool CheckFolderQuickStart(FolderSettings& settings);
  // Adds a tab for the senders (recipients in Sent Items) of the selected mails to a bar;
  // returns the filter it built.
  std::string AddFilter(int16_t position);

  // Host events.
  void olExplorer_Activate();
  void olExplorer_BeforeFolderSwitch(const host::FolderPtr& newFolder, bool& cancel);
  void olExplorer_ViewSwitch();
  void olExplorer_Close();
  void ActiveExplorerCBars_OnUpdate();
  void oAbout_Click();
  void oOptions_Click();
  void oTabEnable_Click();

 private:
  void AddContextButton(const host::CommandBarPtr& bar);
  void ProtectContextMenu(const host::CommandBarPtr& bar, bool restore);
  void ShowTabButton(bool visible);
  void Disconnect();
  template <typename... Args, typename F>
  int Listen(host::Event<Args...>& event, F handler);

  std::string key_;
  host::ExplorerPtr olExplorer_;
  std::shared_ptr<host::CommandBars> ActiveExplorerCBars_;
  host::CommandBarControlPtr oAbout_;
  host::CommandBarControlPtr oOptions_;
  host::CommandBarControlPtr oTabEnable_;
  std::array<host::CommandBarControlPtr, 4> contextButtons_;
  std::weak_ptr<ExplorerTabBar> eToolBar_;
  Timer mvarTimer_;
  bool MenusAdded_ = false;
  bool FirstFolderDone_ = false;
  bool BuildingContextMenu_ = false;
  bool savedBuilding_ = false;
  bool protectionWasSet_ = false;
  // Connections to the host's events, undone when the wrapper goes.
  std::vector<std::function<void()>> disconnects_;
};

}  // namespace kov
