// One run of the simulated desktop: a profile folder (store, registry, the add-in's folder), the
// Windows services over it, the Outlook stand-in, the person answering modal windows, and the
// add-in's process state. Nothing reaches the profile's files before Persist.
#pragma once

#include <memory>
#include <string>

#include "addin/ProcessState.h"
#include "base/Clock.h"
#include "base/MessageLoop.h"
#include "forms/ModalDriver.h"
#include "host/ClassRegistry.h"
#include "os/OsServices.h"
#include "outlook/OutlookStandIn.h"
#include "user/ScriptedUser.h"
#include "windows/SubstituteOs.h"

namespace kov::sim {

struct SimulatorOptions {
  std::string profile;    // created when missing
  std::string storeFile;  // default: the profile's store.json
  std::string version = "11.0";
  // Folders to load the maker's library from, after the add-in's folder.
  std::vector<std::string> libraryFolders;
  // Where the build put the add-in's module and home page, installed into the profile.
  std::string programFolder;
};

class Simulator {
 public:
  // Opens the profile; a missing store file starts from the sample store. Raises (with a
  // message naming the file) when the store or registry file is malformed.
  explicit Simulator(const SimulatorOptions& options);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  outlook::OutlookStandIn& Outlook() { return *outlook_; }
  substitute::SubstituteOs& Os() { return *os_; }
  substitute::ScriptedUser& User() { return user_; }
  MessageLoop& Loop() { return loop_; }
  const std::string& AddinFolder() const { return addinFolder_; }

  // Writes the store and the registry to the profile, each atomically.
  void Persist();

 private:
  SimulatorOptions options_;
  std::string addinFolder_;
  std::string storeFile_;
  RealClock clock_;
  MessageLoop loop_{clock_};
  ScopedMessageLoop scopedLoop_{loop_};
  std::unique_ptr<substitute::SubstituteOs> os_;
  std::unique_ptr<kov::os::ScopedOs> scopedOs_;
  host::ClassRegistry classes_;
  host::ScopedClassRegistry scopedClasses_{classes_};
  substitute::ScriptedUser user_;
  forms::ScopedModalDriver scopedUser_{user_};
  std::unique_ptr<outlook::OutlookStandIn> outlook_;
  ProcessState state_;
  ScopedProcessState scopedState_{state_};
};

}  // namespace kov::sim
