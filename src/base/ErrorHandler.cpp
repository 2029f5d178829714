#include "base/ErrorHandler.h"

#include "base/ComError.h"

namespace kov {

void HandleError(MessageLog* log, const std::string& strPoint, WhenNoLog whenNoLog) {
  const ComError error = ComError::FromCurrentException();
  if (log == nullptr) {
    if (whenNoLog == WhenNoLog::Skip) return;
    throw ComError::Vb(vberr::ObjectNotSet);
  }
  log->LogMsg(error.Description(), error.Number(), strPoint, logtErr, loglMin);
}

}  // namespace kov
