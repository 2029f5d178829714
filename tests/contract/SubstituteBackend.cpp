#include "contract/ContractBackend.h"
#include "windows/SubstituteOs.h"

namespace kov::contract {
namespace {

class SubstituteBackend : public ContractBackend {
 public:
  SubstituteBackend() : os_(substitute::SubstituteOsOptions{}) {}
  os::OsServices Services() override { return os_.Services(); }
  void SetEnvironment(const std::string& name, const std::string& value) override {
    os_.Environment().Set(name, value);
  }

 private:
  substitute::SubstituteOs os_;
};

}  // namespace

std::unique_ptr<ContractBackend> MakeContractBackend() {
  return std::make_unique<SubstituteBackend>();
}

}  // namespace kov::contract
