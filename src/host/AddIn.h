// The connection interface of a COM add-in (IDTExtensibility2): how the host tells the add-in it
// was loaded, that start-up completed, and that it is going away.
#pragma once

#include <cstdint>

#include "base/Variant.h"
#include "host/Application.h"

namespace kov::host {

// ConnectMode and RemoveMode values.
inline constexpr int32_t ext_cm_AfterStartup = 0;
inline constexpr int32_t ext_cm_Startup = 1;
inline constexpr int32_t ext_dm_HostShutdown = 0;

class IDTExtensibility2 {
 public:
  virtual ~IDTExtensibility2() = default;
  virtual void OnConnection(const ApplicationPtr& Application, int32_t ConnectMode,
                            const ObjectPtr& AddInInst, const Variant& custom) = 0;
  virtual void OnDisconnection(int32_t RemoveMode, const Variant& custom) = 0;
  virtual void OnAddInsUpdate(const Variant& custom) = 0;
  virtual void OnStartupComplete(const Variant& custom) = 0;
  virtual void OnBeginShutdown(const Variant& custom) = 0;
};

}  // namespace kov::host
