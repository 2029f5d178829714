// What every stand-in object shares: the stores, the host's version, the open explorers and the
// hooks tests use. Objects of the object model hold a reference to it and point into its stores.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/Application.h"
#include "outlook/StoreModel.h"

namespace kov::outlook {

class StandInExplorer;
class StandInNameSpace;
class StandInApplication;

struct StandInWorld {
  StoreSet stores;
  std::string version = "11.0";
  // The store file; empty keeps the stores in memory.
  std::string storeFile;
  // Command bars that windows of this host do not have.
  std::set<std::string> missingCommandBars;

  // Called before every change of a hidden message is stored ("update", "delete"); a test
  // makes it raise to fail the n-th write.
  std::function<void(const std::string& what)> writeHook;
  // Answers the view control's Customize View dialog: given the filter in force, the filter the
  // user leaves (nullopt: cancelled). Without one the dialog changes nothing.
  std::function<std::optional<std::string>(const std::string& filter)> customizeView;

  std::weak_ptr<StandInApplication> application;
  std::shared_ptr<StandInNameSpace> nameSpace;
  std::vector<std::shared_ptr<StandInExplorer>> explorers;
  std::weak_ptr<StandInExplorer> active;

  bool Is2003() const { return version != "10.0"; }
  // Writes the stores to the store file, when there is one.
  void Persist();
};

using WorldPtr = std::shared_ptr<StandInWorld>;

// The error the host raises when something named is not there.
[[noreturn]] void RaiseNotFound(const std::string& what);

}  // namespace kov::outlook
