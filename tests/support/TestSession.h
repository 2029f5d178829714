// The fixture every system test starts from: a temporary profile folder, a fresh registry file,
// the Windows service substitutes installed, a message loop on a virtual clock and a fresh
// process state.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "addin/ProcessState.h"
#include "base/Clock.h"
#include "base/MessageLoop.h"
#include "os/OsServices.h"
#include "support/TempFolder.h"
#include "windows/SubstituteOs.h"

namespace kov::testing {

class TestSession : public ::testing::Test {
 protected:
  TestSession();
  ~TestSession() override;

  // Replaces the substitutes with fresh ones over the same profile, as a restart of the program
  // would (the registry is read back from its file).
  void Restart();

  std::string AddinFolder() const { return folder_ / "addin"; }
  std::string RegistryFile() const { return folder_ / "registry.reg"; }
  // The maker's library log written by the stand-in library.
  std::string LibraryLog() const { return AddinFolder() + "/LibZenquor.log"; }

  substitute::SubstituteOs& Os() { return *os_; }

  TempFolder folder_;
  VirtualClock clock_;
  MessageLoop loop_{clock_};
  ProcessState state_;

 private:
  void Install();

  ScopedMessageLoop scopedLoop_{loop_};
  ScopedProcessState scopedState_{state_};
  std::unique_ptr<substitute::SubstituteOs> os_;
  std::unique_ptr<os::ScopedOs> scopedOs_;
};

}  // namespace kov::testing
