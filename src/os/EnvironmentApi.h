// Environment expansion as Windows does it: every "%NAME%" whose NAME is set is replaced by its
// value; an unknown name, and a lone "%", stay as written.
#pragma once

#include <cstdint>

namespace kov::os {

class EnvironmentApi {
 public:
  EnvironmentApi() = default;
  virtual ~EnvironmentApi() = default;
  EnvironmentApi(const EnvironmentApi&) = delete;
  EnvironmentApi& operator=(const EnvironmentApi&) = delete;

  // Expands the 8-bit text `source` into `buffer` (room for `bufferChars` characters including
  // the terminator). Returns the characters the full result needs, terminator included; when that
  // is more than `bufferChars` the buffer is left untouched. 0 on failure.
  virtual uint32_t ExpandEnvironment(const char* source, char* buffer, uint32_t bufferChars) = 0;
};

}  // namespace kov::os
