// The add-in's process-wide objects and values, gathered in one struct under the names the rest
// of the add-in knows them by. One instance is current at a time: the add-in's own from start-up
// to shut-down, or a fresh one that a test installs.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "addin/CLibZenquor.h"
#include "base/Collection.h"
#include "host/Application.h"
#include "host/Cdo.h"
#include "platform/CHtmlHelp.h"
#include "platform/CRegistry.h"

namespace kov {

class cExplorer;

struct ProcessState {
  // Shared objects, created at start-up and released at shut-down in a fixed order.
  host::ApplicationPtr gobjOLApp;
  // The CDO session for hidden messages, made and logged on at its first use.
  std::shared_ptr<host::CdoSession> gobjCDO;
  std::shared_ptr<CLibZenquor> gobjLib;
  std::shared_ptr<CHtmlHelp> gobjHelp;
  std::shared_ptr<CRegistry> gobjRegistry;

  // One wrapper per explorer window, keyed "Exp" and a running number.
  Collection<std::shared_ptr<cExplorer>> gcolExplorers;
  bool gcolExplorersCreated = false;
  int16_t gintExplorerCount = 0;

  bool gboolOutlook2003 = false;
  bool gboolComponentsMissing = false;

  // The add-in's base key and its folders key, both ending in a backslash.
  std::string gstrRegPath;
  std::string gstrRegFolders;

  // Display names of the default folders, read at start-up.
  std::string gstrSentItems;
  std::string gstrDeletedItems;
  std::string gstrDrafts;
  std::string gstrInbox;
  std::string gstrOutbox;
  std::string gstrJunk;
  // Deleted Items, Drafts, Junk E-mail, Outbox, Journal, Conflicts, Sync Issues and Server
  // Failures, joined without a separator: folders never offered tab bars.
  std::string gstrExcludedFolders;

  // Explorer integration.
  std::string ActiveExplorerKey;
  // The strip position last clicked per bar (0..3 used).
  std::array<int16_t, 5> SelectedTabs{};
  bool ReselectInProgress = false;
  bool ReselectPending = false;
  bool PromptPending = false;
  bool QuickStartRunning = false;
  bool TabsToggling = false;

  // What the next tick of the deferral timer runs: 0 folder properties (of DeferredFolder),
  // 1 general options, 2 first-entry prompt, 3 reselect the active folder.
  int16_t DeferredActionCode = 0;
  host::FolderPtr DeferredFolder;
  // The folder the first-entry prompt asks about.
  std::string gstrQuickEntryID;
  std::string gstrQuickFolderName;
};

// The current process state. Raises (std::logic_error) when none is installed.
ProcessState& G();

// Installs a state for its lifetime (the add-in's, or a test's fresh one) and restores the
// previous one afterwards.
class ScopedProcessState {
 public:
  explicit ScopedProcessState(ProcessState& state);
  ~ScopedProcessState();
  ScopedProcessState(const ScopedProcessState&) = delete;
  ScopedProcessState& operator=(const ScopedProcessState&) = delete;

 private:
  ProcessState* previous_;
};

}  // namespace kov
