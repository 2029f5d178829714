#include "explorer/cExplorer.h"

#include "addin/ProcessState.h"
#include "base/ComError.h"
#include "base/ErrorHandler.h"
#include "base/Required.h"
#include "base/Text.h"
#include "explorer/mdlShare.h"
#include "host/ClassRegistry.h"
#include "host/NameSpace.h"
#include "model/FolderCommonSettings.h"
#include "options/frmOptions.h"
#include "wizard/RunFolderWizard.h"

namespace kov {
namespace {

constexpr const char* kTabEnableTag = "KovelinEnable";
constexpr int32_t kProtectionNoCustomize = 1;

struct ContextEntry {
  const char* caption;
  const char* tag;
  int16_t position;
};
// In the order they are added.
constexpr ContextEntry kContextEntries[] = {{"On &Left Tab Bar", "On Left Tab Bar", 3},
                                            {"On &Upper Tab Bar", "On Upper Tab Bar", 0},
                                            {"On &Right Tab Bar", "On Right Tab Bar", 1},
                                            {"On Lo&wer Tab Bar", "On Lower Tab Bar", 2}};

constexpr const char* kSenderTemplate =
    "\"urn:schemas:httpmail:fromname\" LIKE '%#%' OR "
    "\"http://schemas.microsoft.com/mapi/proptag/0x0065001f\" LIKE '%#%'";
constexpr const char* kRecipientTemplate =
    "\"urn:schemas:httpmail:displayto\" LIKE '%#%' OR \"urn:schemas:httpmail:displaycc\" LIKE "
    "'%#%'";

// A pop-up of the bar with that caption, added (temporary) when it is missing.
host::CommandBarControlPtr PopupOf(const host::CommandBarPtr& bar, const std::string& caption) {
  try {
    return bar->Controls()->Item(caption);
  } catch (...) {
    auto popup = bar->Controls()->Add(host::msoControlPopup, true);
    popup->SetCaption(caption);
    popup->SetEnabled(true);
    popup->SetTag(caption);
    return popup;
  }
}

// A button of the pop-up with that caption, added (temporary) when it is missing.
host::CommandBarControlPtr ButtonOf(const host::CommandBarControlPtr& popup,
                                    const std::string& caption, bool* added) {
  try {
    *added = false;
    return popup->Controls()->Item(caption);
  } catch (...) {
    *added = true;
    return popup->Controls()->Add(host::msoControlButton, true);
  }
}

void SetPictures(const host::CommandBarControlPtr& button) {
  button->SetPicture("MAIN_ICON");
  button->SetMask("MAIN_ICON_MASK");
}

bool IsActive(const std::string& key) { return key == G().ActiveExplorerKey; }

}  // namespace

template <typename... Args, typename F>
int cExplorer::Listen(host::Event<Args...>& event, F handler) {
  const int id = event.Connect(std::move(handler));
  disconnects_.push_back([&event, id] { event.Disconnect(id); });
  return id;
}

cExplorer::cExplorer() {
  mvarTimer_.SetEnabled(false);
  mvarTimer_.SetInterval(2000);
  mvarTimer_.OnTimer = [this](int32_t) {
    mvarTimer_.SetEnabled(false);
    G().ReselectPending = false;
  };
}

cExplorer::~cExplorer() { Disconnect(); }

void cExplorer::Disconnect() {
  for (auto& disconnect : disconnects_) disconnect();
  disconnects_.clear();
}

void cExplorer::SetExplorerKey(const std::string& key) {
  key_ = key;
  G().ActiveExplorerKey = key;
}

void cExplorer::SetExplorer(const host::ExplorerPtr& explorer) {
  try {
    Disconnect();
    olExplorer_ = explorer;
    std::weak_ptr<cExplorer> self = weak_from_this();
    Listen(explorer->Activate, [self] {
      if (auto wrapper = self.lock()) wrapper->olExplorer_Activate();
    });
    Listen(explorer->BeforeFolderSwitch, [self](host::FolderPtr folder, bool& cancel) {
      if (auto wrapper = self.lock()) wrapper->olExplorer_BeforeFolderSwitch(folder, cancel);
    });
    Listen(explorer->ViewSwitch, [self] {
      if (auto wrapper = self.lock()) wrapper->olExplorer_ViewSwitch();
    });
    Listen(explorer->Close, [self] {
      if (auto wrapper = self.lock()) wrapper->olExplorer_Close();
    });
    if (!FirstFolderDone_) InitFirstFolder(true);
  } catch (...) {
    HandleError(G().gobjLib.get(), "cExplorer_Set Explorer, Line:0");
  }
}

void cExplorer::AddMenuAbout() {
  std::weak_ptr<cExplorer> self = weak_from_this();
  auto clicked = [self](void (cExplorer::*handler)()) {
    return [self, handler](host::CommandBarControlPtr, bool&) {
      if (auto wrapper = self.lock()) ((*wrapper).*handler)();
    };
  };
  auto bars = olExplorer_->CommandBars();
  try {
    auto popup = PopupOf(bars->Item("help"), "Zenquor About");
    bool added = false;
    oAbout_ = ButtonOf(popup, "About &Kovelin Organizer", &added);
    if (added) {
      SetPictures(oAbout_);
      oAbout_->SetCaption("About &Kovelin Organizer");
      oAbout_->SetStyle(host::msoButtonIconAndCaption);
      oAbout_->SetEnabled(true);
      oAbout_->SetTag("About &Kovelin Organizer");
    }
    Listen(oAbout_->Click, clicked(&cExplorer::oAbout_Click));
  } catch (...) {
    // A window without the bar goes without the item.
  }
  try {
    auto standard = bars->Item("Standard");
    oTabEnable_ = standard->FindControl(host::msoControlButton, kTabEnableTag);
    if (!oTabEnable_) oTabEnable_ = standard->Controls()->Add(host::msoControlButton, true);
    SetPictures(oTabEnable_);
    oTabEnable_->SetCaption("Tab&s");
    oTabEnable_->SetStyle(host::msoButtonIconAndCaption);
    oTabEnable_->SetEnabled(true);
    oTabEnable_->SetTag(kTabEnableTag);
    oTabEnable_->SetTooltipText("Kovelin Organizer(Alt+S)");
    Listen(oTabEnable_->Click, clicked(&cExplorer::oTabEnable_Click));
  } catch (...) {
    // A window without the bar goes without the button.
  }
  try {
    auto popup = PopupOf(bars->Item("Tools"), "Zenquor Options");
    bool added = false;
    oOptions_ = ButtonOf(popup, "&Kovelin Organizer Options...", &added);
    SetPictures(oOptions_);
    oOptions_->SetCaption("&Kovelin Organizer Options...");
    oOptions_->SetStyle(host::msoButtonIconAndCaption);
    oOptions_->SetEnabled(true);
    Listen(oOptions_->Click, clicked(&cExplorer::oOptions_Click));
  } catch (...) {
    // A window without the bar goes without the item.
  }
  MenusAdded_ = true;
}

void cExplorer::InitFirstFolder(bool schedule) {
  ProcessState& g = G();
  if (eToolBar_.lock() && g.gcolExplorers.Count() >= 2) {
    FirstFolderDone_ = true;
    return;
  }
  host::FolderPtr folder = olExplorer_ ? olExplorer_->CurrentFolder() : nullptr;
  if (!folder || FirstFolderDone_) return;
  FirstFolderDone_ = true;
  ActiveExplorerCBars_ = olExplorer_->CommandBars();
  std::weak_ptr<cExplorer> self = weak_from_this();
  Listen(ActiveExplorerCBars_->OnUpdate, [self] {
    if (auto wrapper = self.lock()) wrapper->ActiveExplorerCBars_OnUpdate();
  });
  mvarCurentTab->SetFolder(folder);
  if (schedule && IsFolderEnabled(folder)) {
    ScheduleReselect(1500);
    mvarTimer_.SetEnabled(true);
  }
}

void cExplorer::olExplorer_Activate() {
  G().ActiveExplorerKey = key_;
  if (!MenusAdded_) AddMenuAbout();
  if (!FirstFolderDone_) InitFirstFolder(true);
}

bool cExplorer::CanHaveTabs(const host::FolderPtr& folder) const {
  if (!folder) return false;
  if (std::dynamic_pointer_cast<host::NameSpace>(folder->Parent())) return false;
  const std::string path = folder->FolderPath();
  if (InStr(path, "Search Folders", Compare::Text) > 0) return false;
  return UCase(Left(path, 10)) != "\\\\HOTMAIL\\";
}

void cExplorer::ShowTabButton(bool visible) {
  if (oTabEnable_) oTabEnable_->SetVisible(visible);
}

void cExplorer::olExplorer_BeforeFolderSwitch(const host::FolderPtr& newFolder, bool& /*cancel*/) {
  ProcessState& g = G();
  int step = 0;
  try {
    step = 1;
    eToolBar_.reset();
    step = 2;
    if (g.PromptPending || g.ReselectInProgress) return;
    step = 3;
    if (!FirstFolderDone_) InitFirstFolder(false);
    step = 4;
    if (!CanHaveTabs(newFolder)) {
      ShowTabButton(false);
      RestoreFolder(newFolder);
      mvarCurentTab->SetFolder(nullptr);
      return;
    }
    step = 5;
    ShowTabButton(true);
    mvarCurentTab->SetFolder(newFolder);
    step = 6;
    if (!IsFolderEnabled(newFolder)) {
      RestoreFolder(newFolder);
      if (!newFolder->WebViewOn() && !g.TabsToggling) {
        try {
          CheckForQuickStart(newFolder);
        } catch (...) {
          // The first-entry check is optional here.
        }
      }
    } else {
      step = 7;
      if (ApplyFolder(newFolder)) ScheduleReselect(100);
    }
    step = 8;
    if (oTabEnable_) {
      oTabEnable_->SetState(IsFolderEnabled(newFolder) ? host::msoButtonDown : host::msoButtonUp);
    }
  } catch (...) {
    HandleError(g.gobjLib.get(), "olExplorer_BeforeFolderSwitch, Line:" + std::to_string(step));
  }
}

void cExplorer::olExplorer_ViewSwitch() {
  if (auto toolBar = eToolBar_.lock()) toolBar->SetView(olExplorer_->CurrentView());
}

void cExplorer::olExplorer_Close() {
  ProcessState& g = G();
  int step = 0;
  // The collection may hold the last reference to this wrapper.
  auto keepAlive = shared_from_this();
  try {
    step = 1;
    if (g.gcolExplorersCreated && g.gobjOLApp && g.gcolExplorers.Contains(key_)) {
      g.gcolExplorers.Remove(key_);
    }
    step = 2;
    if (g.gcolExplorers.Count() == 0 && g.gobjOLApp) {
      RestoreAllFolders(g.gobjOLApp->GetNamespace("MAPI")->Folders(), false);
    }
  } catch (...) {
    HandleError(g.gobjLib.get(), "olExplorer_Close, Line:" + std::to_string(step));
  }
  Disconnect();
}

void cExplorer::oAbout_Click() {
  try {
    if (IsActive(key_)) Required(G().gobjLib).ShowAbout();
  } catch (...) {
    HandleError(G().gobjLib.get(), "oAbout_Click");
  }
}

void cExplorer::oOptions_Click() {
  try {
    ScheduleOptions();
  } catch (...) {
    HandleError(G().gobjLib.get(), "oOptions_Click");
  }
}

void cExplorer::oTabEnable_Click() {
  ProcessState& g = G();
  try {
    g.TabsToggling = true;
    const host::FolderPtr folder = olExplorer_->CurrentFolder();
    if (!CanHaveTabs(folder) || !IsActive(key_)) {
      g.TabsToggling = false;
      return;
    }
    FolderSettings settings = GetFolderCommonSettings(folder->EntryID());
    if (settings.Enabled == 1) {
      settings.Enabled = 0;
      if (oTabEnable_) oTabEnable_->SetState(host::msoButtonUp);
    } else {
      settings.Enabled = 1;
      if (oTabEnable_) oTabEnable_->SetState(host::msoButtonDown);
    }
    SetFolderCommonSettings(folder->EntryID(), settings);
    try {
      if (settings.Enabled == 1) {
        CheckFolderQuickStart(settings);
      } else {
        RestoreFolder(folder);
      }
      ReselectFolder(folder, olExplorer_);
    } catch (...) {
      // The reload is best effort; the switch itself is stored.
    }
    g.TabsToggling = false;
  } catch (...) {
    g.TabsToggling = false;
    HandleError(g.gobjLib.get(), "oTabEnable_Click");
  }
}

bool cExplorer::CheckFolderQuickStart(FolderSettings& settings) {
  try {
    const Ctab4::Bars bars = mvarCurentTab->tabs();
    for (size_t i = 0; i < 4; ++i) {
      const CTabPtr& bar = bars[i];
      if ((settings.TabEnabled[i] > 0 || (bar && bar->Enable() > 0)) && bar &&
          bar->tabs->Count() > 0) {
        return false;
      }
    }
    FolderSettings chosen = settings;
    const bool finished = RunFolderWizard(*mvarCurentTab, 60, chosen, true);
    if (finished) {
      settings = chosen;
    } else {
      settings.Enabled = 1;
      for (size_t i = 0; i < 4; ++i) settings.TabEnabled[i] = 1;
    }
    mvarCurentTab->SaveSettings(settings, true);
    return finished;
  } catch (...) {
    HandleError(G().gobjLib.get(), "CheckFolderQuickStart");
    return false;
  }
}

// ---- the item context menu ----

void cExplorer::ActiveExplorerCBars_OnUpdate() {
  if (!IsActive(key_) || BuildingContextMenu_) return;
  host::CommandBarPtr bar;
  try {
    bar = olExplorer_->CommandBars()->Item("Context Menu");
  } catch (...) {
    return;
  }
  AddContextButton(bar);
}

void cExplorer::ProtectContextMenu(const host::CommandBarPtr& bar, bool restore) {
  try {
    if (!restore) {
      savedBuilding_ = BuildingContextMenu_;
      BuildingContextMenu_ = true;
      protectionWasSet_ = (bar->Protection() & kProtectionNoCustomize) != 0;
      if (protectionWasSet_) bar->SetProtection(bar->Protection() & ~kProtectionNoCustomize);
    } else {
      BuildingContextMenu_ = savedBuilding_;
      if (protectionWasSet_) bar->SetProtection(bar->Protection() | kProtectionNoCustomize);
    }
  } catch (...) {
    HandleError(G().gobjLib.get(), "AddContextButton");
  }
}

void cExplorer::AddContextButton(const host::CommandBarPtr& bar) {
  try {
    // The sub-menu stays on the bar once added; where it does not apply (another folder, or the
    // command switched off) it is hidden rather than offered for items it cannot serve.
    for (const char* added : {"Create &Tab by Recipient", "Create &Tab by Sender"}) {
      if (auto existing = bar->FindControl(host::msoControlPopup, added))
        existing->SetVisible(false);
    }
    const host::FolderPtr folder = olExplorer_->CurrentFolder();
    if (!IsFolderEnabled(folder) || folder->DefaultItemType() != host::olMailItem) return;
    // The command follows its switch in the general options (second character of "AllFolders"),
    // read each time so that a change shows at the next right click.
    if (Mid(ReadAllFolders(), 2, 1) != "1") return;
    const std::string caption =
        folder->Name() == G().gstrSentItems ? "Create &Tab by Recipient" : "Create &Tab by Sender";
    if (auto existing = bar->FindControl(host::msoControlPopup, caption)) {
      existing->SetPriority(1);
      existing->SetVisible(true);
      return;
    }
    ProtectContextMenu(bar, false);
    auto popup = bar->Controls()->Add(host::msoControlPopup, true);
    popup->SetCaption(caption);
    popup->SetEnabled(true);
    popup->SetTag(caption);
    std::weak_ptr<cExplorer> self = weak_from_this();
    for (size_t i = 0; i < 4; ++i) {
      const ContextEntry& entry = kContextEntries[i];
      auto button = popup->Controls()->Add(host::msoControlButton, true);
      button->SetTag(entry.tag);
      button->SetCaption(entry.caption);
      button->SetPriority(1);
      const int16_t position = entry.position;
      Listen(button->Click, [self, position](host::CommandBarControlPtr, bool&) {
        if (auto wrapper = self.lock()) wrapper->AddFilter(position);
      });
      contextButtons_[i] = button;
    }
    ProtectContextMenu(bar, true);
  } catch (...) {
    HandleError(G().gobjLib.get(), "AddContextButton");
  }
}

std::string cExplorer::AddFilter(int16_t position) {
  ProcessState& g = G();
  int step = 0;
  try {
    step = 1;
    if (!IsActive(key_)) return "";
    step = 2;
    auto safe = host::CreateObjectAs<host::SafeMailItem>("Redemption.SafeMailItem");
    if (!safe) throw ComError::Vb(vberr::ObjectNotSet);
    step = 3;
    const host::FolderPtr folder = olExplorer_->CurrentFolder();
    const bool sent = InStr(folder->Name(), g.gstrSentItems, Compare::Text) > 0;
    const std::string templateText = sent ? kRecipientTemplate : kSenderTemplate;
    const std::string property = sent ? "To" : "SenderName";
    step = 4;
    std::string filter;
    std::string caption;
    auto selection = olExplorer_->Selection();
    for (int32_t i = 1; i <= selection->Count(); ++i) {
      safe->SetItem(selection->Item(i));
      std::string value = safe->Property(property).ToString();
      safe->SetItem(nullptr);
      // Apostrophes would end the pattern, "|" would split the stored tab.
      value = Replace(Replace(Left(value, 100), "'", ""), "|", "");
      // An empty value would make a term that matches every item.
      if (value.empty()) continue;
      filter += "(" + Replace(templateText, "#%", value + "%", Compare::Text) + ") OR  ";
      caption += value + " ";
    }
    if (filter.empty()) return "";
    step = 5;
    filter = Left(filter, Len(filter) - 5);
    caption = Trim(caption);
    step = 6;
    FolderSettings settings = GetFolderCommonSettings(folder->EntryID());
    CTabPtr bar = mvarCurentTab->tabs()[static_cast<size_t>(position)];
    if (!bar || bar->Views()) return "";
    step = 7;
    bar->SetEnable(1);
    settings.TabEnabled[static_cast<size_t>(position)] = 1;
    step = 8;
    bar->AddNewTab({caption, filter, ""});
    mvarCurentTab->SaveSettings(settings, true);
    step = 9;
    g.DeferredActionCode = kActionReselect;
    Required(g.gobjRegistry).Timer().SetEnabled(true);
    return filter;
  } catch (...) {
    HandleError(g.gobjLib.get(), "cExplorer.AddFilter, Line:" + std::to_string(step));
    return "";
  }
}

}  // namespace kov
