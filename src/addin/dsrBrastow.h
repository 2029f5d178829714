// dsrBrastow is the add-in's connection object ("Kovelin.dsrBrastow"): the host creates it and
// drives it through IDTExtensibility2. It brings the add-in up once the host has a window, keeps
// one explorer wrapper per window, adds the folder options page to folders' Properties dialogs and
// releases every shared object at shut-down.
#pragma once

#include <memory>
#include <string>

#include "base/MessageLoop.h"
#include "host/AddIn.h"

namespace kov {

class cExplorer;

class dsrBrastow : public host::ComObject,
                   public host::IDTExtensibility2,
                   public std::enable_shared_from_this<dsrBrastow> {
 public:
  static constexpr const char* kProgId = "Kovelin.dsrBrastow";

  dsrBrastow() = default;
  ~dsrBrastow() override;

  void OnConnection(const host::ApplicationPtr& Application, int32_t ConnectMode,
                    const host::ObjectPtr& AddInInst, const Variant& custom) override;
  void OnDisconnection(int32_t RemoveMode, const Variant& custom) override;
  void OnAddInsUpdate(const Variant& custom) override;
  void OnStartupComplete(const Variant& custom) override;
  void OnBeginShutdown(const Variant& custom) override;

  // Starts a 2-second timer that releases everything once the host has no window left.
  void CreateTimerTerminate();

  // The key of the wrapper of an explorer window ("" when none): lets the host's tools show
  // which wrapper serves which window. Virtual so that it runs in the add-in's own module.
  virtual std::string KeyOfExplorer(const host::ExplorerPtr& explorer) const;

  void InitAll(const host::ApplicationPtr& Application, host::ExplorerPtr Explorer = nullptr);
  std::shared_ptr<cExplorer> AddExplorer(const host::ExplorerPtr& Explorer);
  void SetOjectsToNothing();

  void eExplorers_NewExplorer(const host::ExplorerPtr& Explorer);
  void olNS_OptionsPagesAdd(const std::shared_ptr<host::PropertyPages>& Pages,
                            const host::FolderPtr& Folder);

 private:
  void Unlisten();

  std::shared_ptr<host::Explorers> eExplorers_;
  int newExplorerId_ = 0;
  std::shared_ptr<host::NameSpace> olNS_;
  int optionsPagesId_ = 0;
  std::unique_ptr<Timer> timerTerminate_;
};

// The registry key (under the current user) of the per-user program setting that an uninstaller
// sets to "1" to ask for clean-up: VB's GetSetting("uninstallKovelin", "uninstallKovelin", …).
inline constexpr const char* kUninstallSection =
    "Software\\VB and VBA Program Settings\\uninstallKovelin\\uninstallKovelin";
inline constexpr const char* kUninstallValue = "uninstallKovelin";

}  // namespace kov
