#include "support/AddinSession.h"

#include "addin/ProcessState.h"
#include "outlook/StandInFolder.h"
#include "support/SmallStore.h"
#include "windows/DlModules.h"

namespace kov::testing {

AddinSession::AddinSession(const std::string& version) {
  user_.Transcript = [this](const std::string& text) { transcript_ += text + "\n"; };
  state_.gobjLib = std::make_shared<CLibZenquor>();
  state_.gobjLib->Init(substitute::DlModules::kAddinModule, nullptr, 0);
  state_.gobjRegistry = std::make_shared<CRegistry>();
  state_.gstrRegPath = state_.gobjRegistry->RegInit();
  state_.gstrRegFolders = state_.gstrRegPath + "Folders\\";
  StartOutlook(version);
}

AddinSession::~AddinSession() {
  state_.gobjCDO.reset();
  state_.gobjOLApp.reset();
  state_.DeferredFolder.reset();
}

void AddinSession::StartOutlook(const std::string& version) {
  state_.gobjCDO.reset();
  outlook::OutlookStandInOptions options;
  options.version = version;
  outlook_ = std::make_unique<outlook::OutlookStandIn>(SmallStore(), options);
  classes_ = host::ClassRegistry();
  outlook_->RegisterClasses(classes_);
  state_.gobjOLApp = outlook_->Application();
  state_.gboolOutlook2003 = version != "10.0";
  auto ns = outlook_->NameSpace();
  state_.gstrSentItems = ns->GetDefaultFolder(5)->Name();
  state_.gstrDeletedItems = ns->GetDefaultFolder(3)->Name();
  state_.gstrDrafts = ns->GetDefaultFolder(16)->Name();
  state_.gstrInbox = ns->GetDefaultFolder(6)->Name();
  state_.gstrOutbox = ns->GetDefaultFolder(4)->Name();
  state_.gstrJunk = ns->GetDefaultFolder(23)->Name();
  state_.gstrExcludedFolders =
      state_.gstrDeletedItems + state_.gstrDrafts + state_.gstrJunk + state_.gstrOutbox;
  for (int32_t number : {11, 19, 20, 22}) {
    try {
      state_.gstrExcludedFolders += ns->GetDefaultFolder(number)->Name();
    } catch (...) {
      // A folder the host does not have adds nothing.
    }
  }
}

host::FolderPtr AddinSession::Folder(const std::string& path) const {
  auto folder = outlook_->FolderByPath(path);
  if (!folder) throw std::runtime_error("no folder " + path);
  return folder;
}

outlook::FolderData& AddinSession::Data(const std::string& path) const {
  return *std::dynamic_pointer_cast<outlook::StandInFolder>(Folder(path))->Data();
}

std::vector<std::string> AddinSession::Hidden(const std::string& path) const {
  std::vector<std::string> lines;
  for (const auto& message : Data(path).hidden)
    lines.push_back(message.subject + "=" + message.body);
  return lines;
}

}  // namespace kov::testing
