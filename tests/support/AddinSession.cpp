#include "support/AddinSession.h"

#include "addin/DefaultFolders.h"
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
  ReadDefaultFolderNames(outlook_->NameSpace());
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
