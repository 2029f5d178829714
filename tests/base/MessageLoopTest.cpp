#include "base/MessageLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kov {
namespace {

class MessageLoopTest : public ::testing::Test {
 protected:
  VirtualClock clock_;
  MessageLoop loop_{clock_};
  ScopedMessageLoop scoped_{loop_};
};

TEST_F(MessageLoopTest, TimersFireOnlyInsideTheLoop) {
  Timer timer;
  int fired = 0;
  timer.OnTimer = [&](int32_t) { ++fired; };
  timer.SetInterval(10);
  timer.SetEnabled(true);
  clock_.Advance(50);
  EXPECT_EQ(fired, 0);
  loop_.DoEvents();
  EXPECT_EQ(fired, 1);  // one firing per yield, however late
}

TEST_F(MessageLoopTest, PeriodicTimerFiresEveryIntervalUntilSwitchedOff) {
  Timer timer;
  std::vector<int64_t> at;
  std::vector<int32_t> elapsed;
  timer.OnTimer = [&](int32_t ms) {
    at.push_back(clock_.NowMs());
    elapsed.push_back(ms);
    if (at.size() == 3) timer.SetEnabled(false);
  };
  timer.SetInterval(100);
  timer.SetEnabled(true);
  loop_.FastForwardBy(1000);
  EXPECT_EQ(at, (std::vector<int64_t>{100, 200, 300}));
  EXPECT_EQ(elapsed, (std::vector<int32_t>{100, 100, 100}));
}

TEST_F(MessageLoopTest, ChangingTheIntervalInTheHandlerAppliesToTheNextFiring) {
  Timer timer;
  std::vector<int64_t> at;
  timer.OnTimer = [&](int32_t) {
    at.push_back(clock_.NowMs());
    timer.SetInterval(100);
    if (at.size() == 2) timer.SetEnabled(false);
  };
  timer.SetInterval(1);
  timer.SetEnabled(true);
  loop_.FastForwardBy(500);
  EXPECT_EQ(at, (std::vector<int64_t>{1, 101}));
}

TEST_F(MessageLoopTest, TimersFireInOrderOfDueTime) {
  Timer slow;
  Timer fast;
  std::string order;
  slow.OnTimer = [&](int32_t) {
    order += "s";
    slow.SetEnabled(false);
  };
  fast.OnTimer = [&](int32_t) {
    order += "f";
    fast.SetEnabled(false);
  };
  slow.SetInterval(30);
  fast.SetInterval(10);
  slow.SetEnabled(true);
  fast.SetEnabled(true);
  loop_.FastForwardBy(100);
  EXPECT_EQ(order, "fs");
}

TEST_F(MessageLoopTest, DoEventsRunsPostedTasksButNotTheOnesTheyPost) {
  std::string order;
  loop_.Post([&] {
    order += "a";
    loop_.Post([&] { order += "c"; });
  });
  loop_.Post([&] { order += "b"; });
  loop_.DoEvents();
  EXPECT_EQ(order, "ab");
  loop_.DoEvents();
  EXPECT_EQ(order, "abc");
}

TEST_F(MessageLoopTest, ADisabledOrDestroyedTimerDoesNotFire) {
  int fired = 0;
  {
    Timer timer;
    timer.OnTimer = [&](int32_t) { ++fired; };
    timer.SetInterval(5);
    timer.SetEnabled(true);
    timer.SetEnabled(false);
    loop_.FastForwardBy(50);
    timer.SetEnabled(true);
  }
  loop_.FastForwardBy(50);
  EXPECT_EQ(fired, 0);
}

}  // namespace
}  // namespace kov
