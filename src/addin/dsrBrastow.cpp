#include "addin/dsrBrastow.h"

#include "addin/DefaultFolders.h"
#include "addin/ProcessState.h"
#include "addin/mUpgrade.h"
#include "base/ComError.h"
#include "base/ErrorHandler.h"
#include "base/Required.h"
#include "base/Text.h"
#include "explorer/cExplorer.h"
#include "explorer/mdlShare.h"
#include "forms/ModalDriver.h"
#include "host/ClassRegistry.h"
#include "options/BrastowOptions.h"
#include "os/OsServices.h"

namespace kov {
namespace {

void Yield() { MessageLoop::Current().DoEvents(); }

constexpr const char* kComponentsMissing =
    "Some necessary components are missing or corrupted.\r\nTo fix the problem please reinstall "
    "Kovelin Organizer";

// Creates an object of the class only to see that it can be made.
bool CanCreate(const char* progId) {
  try {
    return host::Classes().CreateObject(progId) != nullptr;
  } catch (...) {
    return false;
  }
}

}  // namespace

dsrBrastow::~dsrBrastow() { Unlisten(); }

void dsrBrastow::Unlisten() {
  if (eExplorers_ && newExplorerId_ != 0) eExplorers_->NewExplorer.Disconnect(newExplorerId_);
  if (olNS_ && optionsPagesId_ != 0) olNS_->OptionsPagesAdd.Disconnect(optionsPagesId_);
  newExplorerId_ = 0;
  optionsPagesId_ = 0;
}

void dsrBrastow::OnConnection(const host::ApplicationPtr& Application, int32_t /*ConnectMode*/,
                              const host::ObjectPtr& /*AddInInst*/, const Variant& /*custom*/) {
  ProcessState& g = G();
  int step = 0;
  try {
    step = 1;
    if (!g.gcolExplorersCreated) {
      g.gcolExplorers.Clear();
      g.gcolExplorersCreated = true;
    }
    step = 2;
    try {
      CRegistry registry;
      registry.SetRootKey(0x80000001u);
      if (registry.GetValue(kUninstallSection, kUninstallValue, "0").ToString() == "1") {
        registry.DeleteKey(kUninstallSection);
        RestoreAllFolders(Application->GetNamespace("MAPI")->Folders(), false);
        return;
      }
    } catch (...) {
      // The uninstall check never stops the add-in.
    }
    step = 3;
    eExplorers_ = Application->Explorers();
    std::weak_ptr<dsrBrastow> self = weak_from_this();
    newExplorerId_ = eExplorers_->NewExplorer.Connect([self](host::ExplorerPtr explorer) {
      if (auto connection = self.lock()) connection->eExplorers_NewExplorer(explorer);
    });
    Yield();
    step = 4;
    Application->COMAddIns()->Item(kProgId)->SetObject(shared_from_this());
    step = 5;
    if (auto active = Application->ActiveExplorer()) InitAll(Application, active);
    step = 6;
    Yield();
  } catch (...) {
    HandleError(g.gobjLib.get(), "OnConnection, Line:" + std::to_string(step), WhenNoLog::Raise);
  }
}

void dsrBrastow::InitAll(const host::ApplicationPtr& Application, host::ExplorerPtr Explorer) {
  ProcessState& g = G();
  if (!CanCreate("Mapi.session") || !CanCreate("Redemption.SafeMailItem")) {
    forms::MsgBox(kComponentsMissing, forms::vbCritical, "Kovelin Organizer warning");
    g.gboolComponentsMissing = true;
    return;
  }
  try {
    Upgrade();
  } catch (...) {
    // The migration never stops the add-in; it runs again at the next start.
  }
  try {
    if (!Explorer) Explorer = Application->ActiveExplorer();
    if (!g.gobjLib) g.gobjLib = std::make_shared<CLibZenquor>();
    if (!g.gobjOLApp) g.gobjOLApp = Application;
    try {
      g.gobjLib->Init(os::Os().modules->AddinModule(), g.gobjOLApp.get(),
                      reinterpret_cast<std::uintptr_t>(&QuickStart));
    } catch (...) {
      try {
        HandleError(g.gobjLib.get(), "InitAll,Line:");
      } catch (...) {
        // Without its library the add-in runs on, unlogged.
      }
    }
    g.gboolOutlook2003 = Val(g.gobjOLApp->Version()) > 10;
    olNS_ = g.gobjOLApp->GetNamespace("MAPI");
    std::weak_ptr<dsrBrastow> self = weak_from_this();
    optionsPagesId_ = olNS_->OptionsPagesAdd.Connect(
        [self](std::shared_ptr<host::PropertyPages> pages, host::FolderPtr folder) {
          if (auto connection = self.lock()) connection->olNS_OptionsPagesAdd(pages, folder);
        });
    if (!g.gobjHelp) g.gobjHelp = std::make_shared<CHtmlHelp>();
    if (!g.gobjRegistry) {
      g.gobjRegistry = std::make_shared<CRegistry>();
      g.gstrRegPath = g.gobjRegistry->RegInit();
      g.gstrRegFolders = g.gstrRegPath + "Folders\\";
      g.gobjRegistry->DeferredAction = [] { RunDeferredAction(); };
    }
    AddExplorer(Explorer)->AddMenuAbout();
    ReadDefaultFolderNames(olNS_);
  } catch (...) {
    HandleError(g.gobjLib.get(), "InitAll,Line:", WhenNoLog::Raise);
  }
}

std::shared_ptr<cExplorer> dsrBrastow::AddExplorer(const host::ExplorerPtr& Explorer) {
  ProcessState& g = G();
  auto wrapper = std::make_shared<cExplorer>();
  if (g.gintExplorerCount == 32767) throw ComError(6, "Kovelin", "Overflow");
  ++g.gintExplorerCount;
  const std::string key = "Exp" + std::to_string(g.gintExplorerCount);
  wrapper->SetExplorerKey(key);
  g.gcolExplorers.Add(wrapper, key);
  wrapper->SetExplorer(Explorer);
  return wrapper;
}

void dsrBrastow::eExplorers_NewExplorer(const host::ExplorerPtr& Explorer) {
  ProcessState& g = G();
  try {
    if (g.gboolComponentsMissing) return;
    if (g.gcolExplorers.Count() == 0) {
      InitAll(Explorer->Application(), Explorer);
    } else {
      AddExplorer(Explorer);
    }
  } catch (...) {
    HandleError(g.gobjLib.get(), "eExplorers_NewExplorer", WhenNoLog::Raise);
  }
}

void dsrBrastow::olNS_OptionsPagesAdd(const std::shared_ptr<host::PropertyPages>& Pages,
                                      const host::FolderPtr& Folder) {
  ProcessState& g = G();
  try {
    if (Required(g.gobjRegistry).GetValue(g.gstrRegFolders, "ShowPage", "1").ToString() == "0")
      return;
    if (std::dynamic_pointer_cast<host::NameSpace>(Folder->Parent())) return;
    const std::string path = Folder->FolderPath();
    if (InStr(path, "Search Folders", Compare::Text) > 0) return;
    if (UCase(Left(path, 10)) == "\\\\HOTMAIL\\") return;
    auto page = host::CreateObjectAs<BrastowOptions>("Kovelin.BrastowOptions");
    if (!page) throw ComError::Vb(vberr::ObjectNotSet);
    page->Folder = Folder;
    Pages->Add(page, "");
    page.reset();
    Yield();
  } catch (...) {
    HandleError(g.gobjLib.get(), "olNS_OptionsPagesAdd", WhenNoLog::Raise);
  }
}

void dsrBrastow::SetOjectsToNothing() {
  ProcessState& g = G();
  int step = 0;
  try {
    step = 1;
    Yield();
    step = 2;
    timerTerminate_.reset();
    if (olNS_ && optionsPagesId_ != 0) olNS_->OptionsPagesAdd.Disconnect(optionsPagesId_);
    optionsPagesId_ = 0;
    olNS_.reset();
    g.gobjCDO.reset();
    step = 3;
    g.gobjRegistry.reset();
    g.gobjHelp.reset();
    Yield();
    step = 4;
    if (eExplorers_ && newExplorerId_ != 0) eExplorers_->NewExplorer.Disconnect(newExplorerId_);
    newExplorerId_ = 0;
    eExplorers_.reset();
    Yield();
    step = 5;
    g.gcolExplorers.Clear();
    g.gcolExplorersCreated = false;
    g.gobjLib.reset();
    g.gobjOLApp.reset();
  } catch (...) {
    const ComError error = ComError::FromCurrentException();
    if (error.Number() != 0 && g.gobjLib) {
      try {
        HandleError(g.gobjLib.get(), "SetOjectsToNothing, Line=" + std::to_string(step));
      } catch (...) {
        // Shut-down goes on whatever the log does.
      }
    }
  }
  g.gobjLib.reset();
}

void dsrBrastow::OnBeginShutdown(const Variant& /*custom*/) {
  try {
    if (G().gobjLib) SetOjectsToNothing();
  } catch (...) {
    HandleError(G().gobjLib.get(), "IDTExtensibility2_OnBeginShutdown");
  }
}

void dsrBrastow::OnDisconnection(int32_t /*RemoveMode*/, const Variant& /*custom*/) {
  try {
    if (G().gobjLib) SetOjectsToNothing();
  } catch (...) {
    HandleError(G().gobjLib.get(), "IDTExtensibility2_OnDisconnection");
  }
}

void dsrBrastow::OnAddInsUpdate(const Variant& /*custom*/) {}

void dsrBrastow::OnStartupComplete(const Variant& /*custom*/) {}

void dsrBrastow::CreateTimerTerminate() {
  timerTerminate_ = std::make_unique<Timer>();
  timerTerminate_->SetInterval(2000);
  timerTerminate_->OnTimer = [this](int32_t) {
    ProcessState& g = G();
    if (g.gobjOLApp && !g.gobjOLApp->ActiveExplorer()) SetOjectsToNothing();
  };
  timerTerminate_->SetEnabled(true);
}

std::string dsrBrastow::KeyOfExplorer(const host::ExplorerPtr& explorer) const {
  for (const auto& wrapper : G().gcolExplorers) {
    if (wrapper->Explorer() == explorer) return wrapper->ExplorerKey();
  }
  return "";
}

}  // namespace kov
