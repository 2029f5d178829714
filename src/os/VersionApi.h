// The operating system's version, as GetVersionEx reports it.
#pragma once

#include <cstdint>

namespace kov::os {

class VersionApi {
 public:
  VersionApi() = default;
  virtual ~VersionApi() = default;
  VersionApi(const VersionApi&) = delete;
  VersionApi& operator=(const VersionApi&) = delete;

  // Sets the major and minor version; on failure returns the system error number (0 on success).
  virtual uint32_t GetVersion(uint32_t* major, uint32_t* minor) = 0;
};

}  // namespace kov::os
