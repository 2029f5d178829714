#include "addin/mUpgrade.h"

#include <memory>
#include <vector>

#include "addin/ProcessState.h"
#include "base/AppInfo.h"
#include "base/ComError.h"
#include "base/ErrorHandler.h"
#include "platform/CRegistry.h"

namespace kov {
namespace {

constexpr uint32_t kHKeyCurrentUser = 0x80000001u;
constexpr int32_t kErrIncorrectParameters = vbObjectError + 902;

std::unique_ptr<CRegistry> CurrentUserRegistry() {
  auto registry = std::make_unique<CRegistry>();
  registry->SetRootKey(kHKeyCurrentUser);
  return registry;
}

std::string Point(const char* procedure, int step) {
  return std::string(procedure) + " Line:" + std::to_string(step);
}

}  // namespace

std::string NewFolderKey() {
  return std::string("Software\\Zenquor\\") + kProductName + "\\Folders";
}

void Upgrade() {
  int step = 0;
  std::unique_ptr<CRegistry> registry;
  try {
    step = 1;
    const int16_t code = CopyRegistryKey(kOldFolderKey, NewFolderKey());
    step = 2;
    if (code == kCopyDone) {
      registry = CurrentUserRegistry();
      registry->DeleteKey(kOldFolderKey);
      registry->DeleteKey(kOldProductKey);
    }
    step = 3;
    registry.reset();
  } catch (...) {
    registry.reset();
    HandleError(G().gobjLib.get(), Point("Upgrade", step), WhenNoLog::Raise);
  }
}

int16_t CopyRegistryKey(const std::string& SourceKey, const std::string& DestKey) {
  int step = 0;
  int16_t code = kCopyDone;
  std::unique_ptr<CRegistry> registry;
  std::vector<std::string> names;
  try {
    step = 1;
    registry = CurrentUserRegistry();
    step = 2;
    if (DestKey == SourceKey) {
      throw ComError(kErrIncorrectParameters, "mUpgrade.CopyRegistryKey()",
                     "Incorrect parameters (" + DestKey + ")");
    }
    step = 3;
    if (!registry->KeyExists(SourceKey)) return kCopyNoSource;
    step = 4;
    if (registry->GetAllValueNames(SourceKey, names) == 0) return kCopyNoValues;
    step = 5;
    if (!registry->KeyExists(DestKey)) registry->CreateKey(DestKey);
  } catch (...) {
    HandleError(G().gobjLib.get(), Point("CopyRegistryKey", step), WhenNoLog::Raise);
    return kCopyFailedBeforeLoop;
  }
  step = 6;
  for (const auto& name : names) {
    try {
      int32_t type = registry->ValueType(SourceKey, name);
      const Variant value = registry->GetValue(SourceKey, name, Variant::Null());
      if (registry->GetValue(DestKey, name, Variant::Null()).IsNull()) {
        // A value the registry object cannot write (a type it does not store) would be lost
        // when the old keys are deleted, so it counts as a failed copy and keeps them.
        if (!registry->SetValue(DestKey, name, value, type)) {
          throw ComError::Vb(vberr::InvalidProcedureCall, "mUpgrade.CopyRegistryKey()");
        }
      }
    } catch (...) {
      code = kCopyPartial;
      HandleError(G().gobjLib.get(), Point("CopyRegistryKey", step), WhenNoLog::Raise);
    }
  }
  step = 7;
  return code;
}

}  // namespace kov
