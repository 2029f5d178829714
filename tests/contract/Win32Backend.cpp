#include <windows.h>

#include "contract/ContractBackend.h"
#include "win32/Win32Services.h"

namespace kov::contract {
namespace {

class Win32Backend : public ContractBackend {
 public:
  os::OsServices Services() override { return os_.Services(); }
  void SetEnvironment(const std::string& name, const std::string& value) override {
    SetEnvironmentVariableA(name.c_str(), value.c_str());
  }

 private:
  win32::Win32Os os_;
};

}  // namespace

std::unique_ptr<ContractBackend> MakeContractBackend() { return std::make_unique<Win32Backend>(); }

}  // namespace kov::contract
