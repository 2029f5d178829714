// The log's message types and levels, and the narrow interface through which error handlers
// reach the maker's library. The wrapper class CLibZenquor implements it; keeping the interface
// here lets every subsystem log without knowing how the library is loaded.
#pragma once

#include <cstdint>
#include <string>

namespace kov {

enum ELogType : int32_t { logtInfo = 1, logtWarn = 2, logtErr = 3 };
enum eLogLevel : int32_t { loglNone = 0, loglMin = 1, loglAverage = 2, loglFull = 3 };

class MessageLog {
 public:
  virtual ~MessageLog() = default;
  // Hands one message to the log. May raise (a ComError) when the log itself is unavailable;
  // callers inside error handlers let that reach their own caller.
  virtual int32_t LogMsg(const std::string& strText, int32_t nErrNo, const std::string& strPoint,
                         ELogType eType, eLogLevel eLevel) = 0;
};

}  // namespace kov
