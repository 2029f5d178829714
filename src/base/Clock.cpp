#include "base/Clock.h"

#include <chrono>

namespace kov {

int64_t RealClock::NowMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace kov
