// The add-in's process-wide objects and values, gathered in one struct under the names the rest
// of the add-in knows them by. One instance is current at a time: the add-in's own from start-up
// to shut-down, or a fresh one that a test installs.
#pragma once

#include <memory>
#include <string>

#include "addin/CLibZenquor.h"
#include "platform/CHtmlHelp.h"
#include "platform/CRegistry.h"

namespace kov {

struct ProcessState {
  // Shared objects, created at start-up and released at shut-down in a fixed order.
  std::shared_ptr<CLibZenquor> gobjLib;
  std::shared_ptr<CHtmlHelp> gobjHelp;
  std::shared_ptr<CRegistry> gobjRegistry;

  bool gboolOutlook2003 = false;
  bool gboolComponentsMissing = false;

  // The add-in's base key and its folders key, both ending in a backslash.
  std::string gstrRegPath;
  std::string gstrRegFolders;
};

// The current process state. Raises (std::logic_error) when none is installed.
ProcessState& G();

// Installs a state for its lifetime (the add-in's, or a test's fresh one) and restores the
// previous one afterwards.
class ScopedProcessState {
 public:
  explicit ScopedProcessState(ProcessState& state);
  ~ScopedProcessState();
  ScopedProcessState(const ScopedProcessState&) = delete;
  ScopedProcessState& operator=(const ScopedProcessState&) = delete;

 private:
  ProcessState* previous_;
};

}  // namespace kov
