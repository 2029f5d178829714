// The one error-handler convention of the system: a procedure that fails logs the error's
// description and number with a text naming the failure point, as an error at the minimum
// level, and then returns normally. Call HandleError from inside a catch block:
//
//   try { ... } catch (...) { HandleError(G().gobjLib.get(), "Upgrade Line:" + Step(step)); }
#pragma once

#include <string>

#include "base/LogTypes.h"

namespace kov {

enum class WhenNoLog {
  // Most handlers test the log object first and skip logging when it does not exist yet.
  Skip,
  // A few call it unconditionally; with no log object that call fails as VB's would (error 91),
  // and the failure leaves the handler for the procedure's caller.
  Raise,
};

// Logs the exception being handled. Must be called while an exception is being handled.
void HandleError(MessageLog* log, const std::string& strPoint,
                 WhenNoLog whenNoLog = WhenNoLog::Skip);

}  // namespace kov
