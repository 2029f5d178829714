#include "explorer/mdlShare.h"

#include <pugixml.hpp>
#include <sstream>

#include "addin/ErrorLogFile.h"
#include "addin/ProcessState.h"
#include "base/ComError.h"
#include "base/ErrorHandler.h"
#include "base/Required.h"
#include "base/Text.h"
#include "explorer/cExplorer.h"
#include "forms/ModalDriver.h"
#include "host/NameSpace.h"
#include "model/FolderCommonSettings.h"
#include "options/frmFirstEnableAsk.h"
#include "options/frmOptions.h"
#include "os/OsServices.h"
#include "wizard/RunFolderWizard.h"

namespace kov {
namespace {

void Yield() { MessageLoop::Current().DoEvents(); }

std::shared_ptr<cExplorer> ActiveWrapper() { return G().gcolExplorers.Item(G().ActiveExplorerKey); }

// Takes the tabs part out of one view's stored filter; errors are ignored.
void CleanView(const host::ViewPtr& view) {
  try {
    pugi::xml_document doc;
    if (!doc.load_string(view->XML().c_str())) return;
    pugi::xml_node filter = doc.document_element().child("filter");
    if (!filter) return;
    filter.text() = CleanViewFilter(filter.text().get()).c_str();
    std::ostringstream out;
    doc.save(out, "\t", pugi::format_default, pugi::encoding_utf8);
    view->SetXML(out.str());
    view->Save();
  } catch (...) {
    // A view that cannot be cleaned keeps its filter.
  }
}

}  // namespace

std::string HomePageAddress() { return "file:" + os::JoinPath(os::AddinFolder(), kHomePageName); }

std::string CleanViewFilter(const std::string& filter) {
  std::string text = Trim(filter);
  int32_t at = InStr(text, kAndMarker);
  if (at == 0) at = InStr(text, kSubjectMarker);
  if (at > 0) text = Trim(Left(text, at - 1));
  if (Len(text) < 3) text.clear();
  if (G().gboolOutlook2003) {
    if (UCase(Trim(text)) == UCase(Trim(kFolderFilterGuard))) text.clear();
  } else if (text.empty()) {
    text = kFolderFilterGuard;
  }
  return text;
}

bool ApplyFolder(const host::FolderPtr& folder) {
  try {
    if (IsFolderEnabled(folder) && !folder->WebViewOn()) {
      folder->SetWebViewURL(HomePageAddress());
      folder->SetWebViewOn(true);
      return !G().gboolOutlook2003;
    }
    return false;
  } catch (...) {
    HandleError(G().gobjLib.get(), "ApplyFolder");
    return false;
  }
}

void RestoreFolder(const host::FolderPtr& folder, bool logFailures) {
  int step = 0;
  try {
    step = 1;
    if (!folder) return;
    step = 2;
    if (InStr(folder->WebViewURL(), "KovelinOrganizer", Compare::Text) > 0) {
      folder->SetWebViewOn(false);
      folder->SetWebViewURL("");
      try {
        for (const auto& view : folder->Views()->All()) CleanView(view);
      } catch (...) {
        // Cleaning the views is best effort.
      }
    }
  } catch (...) {
    if (logFailures) {
      const ComError error = ComError::FromCurrentException();
      try {
        WriteErrorLog("mdlShare", "RestoreFolder", std::to_string(step), error.Number(),
                      error.Description());
      } catch (...) {
        // The plain log is the last resort; nothing is left to report to.
      }
    }
  }
}

void RestoreAllFolders(const std::shared_ptr<host::Folders>& folders, bool flag) {
  try {
    for (const auto& folder : folders->All()) {
      RestoreFolder(folder, false);
      auto children = folder->Folders();
      if (children->Count() > 0) RestoreAllFolders(children, flag);
    }
  } catch (...) {
    // A level that cannot be walked is left as it is.
  }
}

void ReselectFolder(const host::FolderPtr& folder, const host::ExplorerPtr& explorer) {
  int step = 0;
  ProcessState& g = G();
  try {
    step = 1;
    Yield();
    g.ReselectInProgress = true;
    Yield();
    step = 2;
    host::ObjectPtr other = folder->Parent();
    step = 3;
    ApplyFolder(folder);
    step = 4;
    if (std::dynamic_pointer_cast<host::NameSpace>(other)) {
      other = Required(g.gobjOLApp)
                  .GetNamespace("MAPI")
                  ->GetDefaultFolder(host::olFolderTasks)
                  ->Parent();
    }
    step = 5;
    auto away = std::dynamic_pointer_cast<host::Folder>(other);
    if (!away) throw ComError::Vb(vberr::TypeMismatch);
    explorer->SetCurrentFolder(away);
    g.ReselectInProgress = false;
    Yield();
    step = 6;
    explorer->SetCurrentFolder(folder);
    Yield();
  } catch (...) {
    // Left set, the flag would keep every later folder switch from doing anything.
    g.ReselectInProgress = false;
    HandleError(g.gobjLib.get(), "ReselectFolder, Line:" + std::to_string(step));
  }
}

void ScheduleReselect(int32_t intervalMs) {
  ProcessState& g = G();
  Timer& timer = Required(g.gobjRegistry).Timer();
  if (g.ReselectPending) {
    timer.SetInterval(100);
    g.ReselectPending = false;
  } else {
    g.DeferredActionCode = kActionReselect;
    timer.SetInterval(intervalMs);
    timer.SetEnabled(true);
    g.ReselectPending = true;
  }
}

void ScheduleFolderProperties(const host::FolderPtr& folder) {
  ProcessState& g = G();
  g.DeferredFolder = folder;
  g.DeferredActionCode = kActionFolderProperties;
  Required(g.gobjRegistry).Timer().SetEnabled(true);
}

void ScheduleOptions() {
  ProcessState& g = G();
  g.DeferredActionCode = kActionOptions;
  Required(g.gobjRegistry).Timer().SetEnabled(true);
}

namespace {

void FirstEntryPrompt() {
  ProcessState& g = G();
  struct ClearPending {
    ProcessState& g;
    ~ClearPending() { g.PromptPending = false; }
  } clear{g};
  auto wrapper = ActiveWrapper();
  Ctab4& ct = *wrapper->mvarCurentTab;
  const host::FolderPtr folder = ct.Folder();
  const int16_t result = AskFirstEnable(folder);
  int32_t type = 1;
  switch (result) {
    case 2:
      Required(g.gobjRegistry).SetValue(g.gstrRegFolders, "AllFolders", "0", type);
      break;
    case 7:
      Required(g.gobjRegistry).SetValue(g.gstrRegFolders, folder->EntryID() + "Quick", "0", type);
      break;
    case 5:
      break;
    default: {
      FolderSettings settings;
      settings.SaveLastClick = 1;
      settings.MultiLine[1] = 1;
      settings.MultiLine[3] = 1;
      if (RunFolderWizard(ct, 60, settings, true)) {
        settings.Enabled = 1;
        settings.SaveLastClick = 1;
      }
      ct.SaveSettings(settings, true);
      ReselectFolder(ct.Folder(), wrapper->Explorer());
      break;
    }
  }
}

}  // namespace

void RunDeferredAction() {
  ProcessState& g = G();
  try {
    Required(g.gobjRegistry).Timer().SetEnabled(false);
    switch (g.DeferredActionCode) {
      case kActionFolderProperties:
        // The folder options page is not part of this build yet.
        forms::MsgBox("The folder options are not available yet.", forms::vbInformation,
                      "Kovelin Organizer");
        break;
      case kActionOptions: {
        frmOptions dialog;
        dialog.ShowModal();
        break;
      }
      case kActionFirstEntryPrompt:
        FirstEntryPrompt();
        break;
      case kActionReselect: {
        auto wrapper = ActiveWrapper();
        ReselectFolder(wrapper->mvarCurentTab->Folder(), wrapper->Explorer());
        break;
      }
      default:
        break;
    }
  } catch (...) {
    // The timer's tick ignores errors; the stored folder is forgotten either way.
  }
  g.DeferredFolder.reset();
}

int32_t QuickStart() {
  ProcessState& g = G();
  int step = 0;
  try {
    step = 1;
    g.QuickStartRunning = true;
    step = 2;
    auto wrapper = ActiveWrapper();
    Ctab4& ct = *wrapper->mvarCurentTab;
    const host::FolderPtr inbox =
        Required(g.gobjOLApp).GetNamespace("MAPI")->GetDefaultFolder(host::olFolderInbox);
    ct.SetFolder(inbox);
    wrapper->Explorer()->SetCurrentFolder(inbox);
    step = 3;
    if (IsFolderEnabled(inbox)) {
      ReselectFolder(inbox, wrapper->Explorer());
      ScheduleFolderProperties(inbox);
    } else {
      step = 4;
      FolderSettings settings;
      if (RunFolderWizard(ct, 60, settings, true)) {
        settings.Enabled = 1;
        settings.SaveLastClick = 1;
        ct.SaveSettings(settings, true);
        ReselectFolder(inbox, wrapper->Explorer());
      }
    }
    step = 5;
  } catch (...) {
    HandleError(g.gobjLib.get(), "QuickStart, Line:" + std::to_string(step));
  }
  g.QuickStartRunning = false;
  return 0;
}

}  // namespace kov
