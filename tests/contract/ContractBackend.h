// The Windows services a contract test runs against: the substitutes on Linux, the Win32 API on
// Windows (under Wine in CI). The same tests run on both.
#pragma once

#include <memory>
#include <string>

#include "os/OsServices.h"

namespace kov::contract {

class ContractBackend {
 public:
  virtual ~ContractBackend() = default;
  virtual os::OsServices Services() = 0;
  // Sets a variable of the environment that expansion reads.
  virtual void SetEnvironment(const std::string& name, const std::string& value) = 0;
};

std::unique_ptr<ContractBackend> MakeContractBackend();

}  // namespace kov::contract
