// Where the UI thread's time comes from. The program runs on the real clock; tests use the
// virtual one and advance it, so no test ever sleeps.
#pragma once

#include <cstdint>

namespace kov {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; never goes backwards.
  virtual int64_t NowMs() const = 0;
};

class RealClock : public Clock {
 public:
  int64_t NowMs() const override;
};

class VirtualClock : public Clock {
 public:
  int64_t NowMs() const override { return now_; }
  void Advance(int64_t ms) { now_ += ms; }

 private:
  int64_t now_ = 0;
};

}  // namespace kov
