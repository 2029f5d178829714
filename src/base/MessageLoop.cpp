#include "base/MessageLoop.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace kov {
namespace {

MessageLoop*& CurrentSlot() {
  static MessageLoop* current = nullptr;
  return current;
}

}  // namespace

MessageLoop::MessageLoop(Clock& clock) : clock_(clock) {}

MessageLoop::~MessageLoop() = default;

MessageLoop& MessageLoop::Current() {
  MessageLoop* loop = CurrentSlot();
  if (loop == nullptr) throw std::logic_error("no message loop is installed on this thread");
  return *loop;
}

void MessageLoop::Install(MessageLoop* loop) { CurrentSlot() = loop; }

void MessageLoop::Post(std::function<void()> task) { tasks_.push_back(std::move(task)); }

void MessageLoop::Register(Timer* timer) { timers_.push_back(timer); }

void MessageLoop::Unregister(Timer* timer) { std::erase(timers_, timer); }

void MessageLoop::DoEvents() {
  // Only the messages already queued run now; what they post waits for the next yield, so a
  // task that re-posts itself cannot hold the thread.
  for (size_t pending = tasks_.size(); pending > 0 && !tasks_.empty(); --pending) {
    auto task = std::move(tasks_.front());
    tasks_.pop_front();
    task();
  }
  FireDueTimers();
}

void MessageLoop::FireDueTimers() {
  const int64_t now = clock_.NowMs();
  std::vector<Timer*> due;
  for (Timer* timer : timers_) {
    if (timer->Armed() && !timer->firing_ && timer->dueAt_ <= now) due.push_back(timer);
  }
  std::stable_sort(due.begin(), due.end(),
                   [](const Timer* a, const Timer* b) { return a->dueAt_ < b->dueAt_; });
  for (Timer* timer : due) {
    // A handler that ran before may have destroyed or disarmed this timer.
    if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end()) continue;
    if (!timer->Armed() || timer->dueAt_ > now) continue;
    timer->Fire();
  }
}

int64_t MessageLoop::NextDue() const {
  int64_t next = -1;
  for (const Timer* timer : timers_) {
    if (!timer->Armed() || timer->firing_) continue;
    if (next < 0 || timer->dueAt_ < next) next = timer->dueAt_;
  }
  return next;
}

void MessageLoop::FastForwardBy(int64_t ms) {
  auto* clock = dynamic_cast<VirtualClock*>(&clock_);
  if (clock == nullptr) throw std::logic_error("FastForwardBy needs a virtual clock");
  const int64_t target = clock->NowMs() + ms;
  DoEvents();
  for (;;) {
    const int64_t next = NextDue();
    if (next < 0 || next > target) break;
    if (next > clock->NowMs()) clock->Advance(next - clock->NowMs());
    DoEvents();
  }
  clock->Advance(target - clock->NowMs());
  DoEvents();
}

bool MessageLoop::RunUntil(const std::function<bool()>& done, int64_t timeoutMs) {
  const int64_t deadline = clock_.NowMs() + timeoutMs;
  for (;;) {
    DoEvents();
    if (done()) return true;
    const int64_t now = clock_.NowMs();
    if (now >= deadline) return false;
    int64_t wait = deadline - now;
    if (!tasks_.empty()) wait = 0;
    const int64_t next = NextDue();
    if (next >= 0) wait = std::min(wait, std::max<int64_t>(0, next - now));
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min<int64_t>(wait, 10)));
  }
}

ScopedMessageLoop::ScopedMessageLoop(MessageLoop& loop) : previous_(CurrentSlot()) {
  CurrentSlot() = &loop;
}

ScopedMessageLoop::~ScopedMessageLoop() { CurrentSlot() = previous_; }

Timer::Timer(MessageLoop& loop) : loop_(loop) { loop_.Register(this); }

Timer::~Timer() { loop_.Unregister(this); }

void Timer::Arm() {
  armedAt_ = loop_.NowMs();
  dueAt_ = armedAt_ + interval_;
}

void Timer::SetInterval(int32_t ms) {
  interval_ = ms;
  if (enabled_) Arm();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (enabled_) Arm();
}

void Timer::Fire() {
  const int64_t now = loop_.NowMs();
  const auto elapsed = static_cast<int32_t>(now - armedAt_);
  // The next interval counts from this firing; the handler may change it or switch off.
  armedAt_ = now;
  dueAt_ = now + interval_;
  if (!OnTimer) return;
  // The handler may destroy this timer (a shut-down that releases its own timer): it runs from
  // a copy, and nothing of the timer is touched afterwards unless it still exists.
  const std::function<void(int32_t)> handler = OnTimer;
  const std::weak_ptr<bool> alive = alive_;
  firing_ = true;
  handler(elapsed);
  if (!alive.expired()) firing_ = false;
}

}  // namespace kov
