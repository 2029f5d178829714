#include "Simulator.h"

#include <filesystem>

#include "Installer.h"
#include "addin/DefaultFolders.h"
#include "base/ComError.h"
#include "base/TextFile.h"
#include "outlook/SampleStore.h"
#include "outlook/StoreFile.h"
#include "windows/ComServerLoader.h"
#include "windows/DlModules.h"

namespace kov::sim {

Simulator::Simulator(const SimulatorOptions& options) : options_(options) {
  std::filesystem::create_directories(FsPath(options_.profile));
  addinFolder_ = options_.profile + "/addin";
  std::filesystem::create_directories(FsPath(addinFolder_));
  storeFile_ = options_.storeFile.empty() ? options_.profile + "/store.json" : options_.storeFile;

  substitute::SubstituteOsOptions osOptions;
  osOptions.registryFile = options_.profile + "/registry.reg";
  osOptions.addinPath = addinFolder_ + "/Kovelin.so";
  osOptions.libraryFolders = options_.libraryFolders;
  os_ = std::make_unique<substitute::SubstituteOs>(osOptions, false);
  scopedOs_ = std::make_unique<kov::os::ScopedOs>(os_->Services());

  std::error_code ec;
  outlook::StoreSet stores = std::filesystem::exists(FsPath(storeFile_), ec)
                                 ? outlook::LoadStoreFile(storeFile_)
                                 : outlook::BuildSampleStore();
  outlook::OutlookStandInOptions outlookOptions;
  outlookOptions.version = options_.version;
  outlook_ = std::make_unique<outlook::OutlookStandIn>(std::move(stores), outlookOptions);
  outlook_->RegisterClasses(classes_);
  host::ComServerHost services;
  services.os = &kov::os::Os();
  services.classes = &classes_;
  services.loop = &loop_;
  services.modalDriver = &user_;
  substitute::InstallComServerLoader(classes_, services);
  if (!options_.programFolder.empty()) InstallAddin(options_.programFolder, addinFolder_);

  // The add-in's shared objects as start-up makes them.
  state_.gobjOLApp = outlook_->Application();
  state_.gboolOutlook2003 = options_.version != "10.0";
  state_.gobjLib = std::make_shared<CLibZenquor>();
  try {
    state_.gobjLib->Init(substitute::DlModules::kAddinModule, nullptr, 0);
  } catch (const ComError&) {
    state_.gobjLib.reset();  // no maker's library next to the program: run without its log
  }
  state_.gobjHelp = std::make_shared<CHtmlHelp>();
  state_.gobjRegistry = std::make_shared<CRegistry>();
  state_.gstrRegPath = state_.gobjRegistry->RegInit();
  state_.gstrRegFolders = state_.gstrRegPath + "Folders\\";
  ReadDefaultFolderNames(outlook_->NameSpace());
}

Simulator::~Simulator() {
  outlook_->Quit();
  state_.gobjCDO.reset();
  state_.gobjOLApp.reset();
  state_.DeferredFolder.reset();
  outlook_.reset();
}

void Simulator::Persist() {
  outlook::SaveStoreFile(outlook_->World().stores, storeFile_);
  os_->Registry().Save();
}

}  // namespace kov::sim
