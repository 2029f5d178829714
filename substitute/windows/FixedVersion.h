// An operating system version chosen when it is made (5.1, Windows XP, by default), or a version
// query that fails with a given error number.
#pragma once

#include "os/VersionApi.h"

namespace kov::substitute {

class FixedVersion : public os::VersionApi {
 public:
  uint32_t GetVersion(uint32_t* major, uint32_t* minor) override {
    if (failure != 0) return failure;
    *major = this->major;
    *minor = this->minor;
    return 0;
  }

  uint32_t major = 5;
  uint32_t minor = 1;
  // Non-zero: the query fails with this error number.
  uint32_t failure = 0;
};

}  // namespace kov::substitute
