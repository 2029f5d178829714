// The add-in's one user-interface thread. Window messages are posted tasks; timers fire only
// while the loop runs (DoEvents, FastForwardBy, RunUntil), never from another thread, so
// handlers need no locks, just as on Outlook's UI thread.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "base/Clock.h"

namespace kov {

class Timer;

class MessageLoop {
 public:
  explicit MessageLoop(Clock& clock);
  ~MessageLoop();
  MessageLoop(const MessageLoop&) = delete;
  MessageLoop& operator=(const MessageLoop&) = delete;

  Clock& GetClock() const { return clock_; }
  int64_t NowMs() const { return clock_.NowMs(); }

  // Queues a task to run at the next DoEvents, like a posted window message.
  void Post(std::function<void()> task);

  // Lets pending window messages run: the tasks queued before the call, then every timer that
  // is due now, each once.
  void DoEvents();

  // Virtual clock only: moves time forward by `ms`, firing each timer at the moment it falls
  // due, in order, and running posted tasks as they arrive.
  void FastForwardBy(int64_t ms);

  // Real clock: runs messages and timers until `done` answers true or `timeoutMs` passes.
  // Returns whether `done` was reached.
  bool RunUntil(const std::function<bool()>& done, int64_t timeoutMs);

  // The loop that timers created without one attach to.
  static MessageLoop& Current();
  // Installs a loop for good (a loaded module takes its host's loop this way).
  static void Install(MessageLoop* loop);

 private:
  friend class Timer;
  friend class ScopedMessageLoop;
  void Register(Timer* timer);
  void Unregister(Timer* timer);
  // The earliest moment a timer falls due, or -1 when none is armed.
  int64_t NextDue() const;
  void FireDueTimers();

  Clock& clock_;
  std::deque<std::function<void()>> tasks_;
  std::vector<Timer*> timers_;
};

// Installs a loop as the current one for its lifetime (a test's fresh loop, the program's).
class ScopedMessageLoop {
 public:
  explicit ScopedMessageLoop(MessageLoop& loop);
  ~ScopedMessageLoop();
  ScopedMessageLoop(const ScopedMessageLoop&) = delete;
  ScopedMessageLoop& operator=(const ScopedMessageLoop&) = delete;

 private:
  MessageLoop* previous_;
};

// A window timer: an interval in milliseconds and an enable switch. While enabled it fires
// every interval, on the loop's thread, passing the milliseconds since it was armed or last
// fired. Switching it on, or changing the interval, starts the interval afresh.
class Timer {
 public:
  explicit Timer(MessageLoop& loop = MessageLoop::Current());
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int32_t Interval() const { return interval_; }
  void SetInterval(int32_t ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void(int32_t elapsedMs)> OnTimer;

 private:
  friend class MessageLoop;
  void Arm();
  bool Armed() const { return enabled_ && interval_ > 0; }
  void Fire();

  MessageLoop& loop_;
  int32_t interval_ = 0;
  bool enabled_ = false;
  bool firing_ = false;
  int64_t armedAt_ = 0;
  int64_t dueAt_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace kov
