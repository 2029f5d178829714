#include "outlook/StandInWorld.h"

#include "base/ComError.h"
#include "outlook/StoreFile.h"

namespace kov::outlook {

void StandInWorld::Persist() {
  if (!storeFile.empty()) SaveStoreFile(stores, storeFile);
}

void RaiseNotFound(const std::string& what) {
  // MAPI_E_NOT_FOUND, as the host reports a missing object.
  throw ComError(static_cast<int32_t>(0x8004010F), "Microsoft Office Outlook",
                 "The operation failed. An object could not be found. (" + what + ")");
}

}  // namespace kov::outlook
