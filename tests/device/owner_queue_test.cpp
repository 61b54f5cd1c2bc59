#include "device/owner_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

namespace devero {
namespace {

// Waits (on the owner thread) until a call is queued, then runs what waits.
void PumpUntilQueued(OwnerQueue& queue, const std::atomic<int>& queued, int count) {
  while (queued < count)
    std::this_thread::yield();
  queue.RunPending();
}

TEST(OwnerQueue, CallsFromOtherThreadsRunOnTheOwnerWhenItPumps) {
  OwnerQueue queue;
  std::atomic<int> queued{0};
  queue.SetWakeup([&] { ++queued; });
  std::thread::id ran_on;
  bool result = false;
  std::thread worker(
      [&] { result = queue.RunOnOwner([&] { ran_on = std::this_thread::get_id(); }, {}); });
  PumpUntilQueued(queue, queued, 1);
  worker.join();
  EXPECT_TRUE(result);
  EXPECT_EQ(ran_on, std::this_thread::get_id());
}

TEST(OwnerQueue, TheOwnerItselfRunsAtOnce) {
  OwnerQueue queue;
  int ran = 0;
  EXPECT_TRUE(queue.RunOnOwner([&] { ++ran; }, {}));
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(queue.RunPending(), 0);
}

TEST(OwnerQueue, AStopBeforeTheCallRanDropsIt) {
  OwnerQueue queue;
  std::atomic<int> queued{0};
  queue.SetWakeup([&] { ++queued; });
  std::stop_source stop;
  std::atomic<bool> ran{false};
  auto result = std::async(std::launch::async,
                           [&] { return queue.RunOnOwner([&] { ran = true; }, stop.get_token()); });
  while (queued < 1)
    std::this_thread::yield();
  stop.request_stop();               // the owner never pumped
  EXPECT_FALSE(result.get());        // returns without the owner
  EXPECT_EQ(queue.RunPending(), 0);  // and the call is gone for good
  EXPECT_FALSE(ran);
  // A stop already requested refuses at once.
  EXPECT_FALSE(std::async(std::launch::async, [&] {
                 return queue.RunOnOwner([&] { ran = true; }, stop.get_token());
               }).get());
  EXPECT_FALSE(ran);
}

TEST(OwnerQueue, AStopWhileTheCallRunsWaitsForIt) {
  OwnerQueue queue;
  std::atomic<int> queued{0};
  queue.SetWakeup([&] { ++queued; });
  std::stop_source stop;
  std::atomic<bool> finished{false};
  auto result = std::async(std::launch::async, [&] {
    return queue.RunOnOwner(
        [&] {
          stop.request_stop();  // the worker is being stopped while its call runs
          finished = true;
        },
        stop.get_token());
  });
  PumpUntilQueued(queue, queued, 1);
  EXPECT_TRUE(result.get());
  EXPECT_TRUE(finished);
}

TEST(OwnerQueue, CloseDropsWaitingCallsAndRefusesNewOnes) {
  OwnerQueue queue;
  std::atomic<int> queued{0};
  queue.SetWakeup([&] { ++queued; });
  auto first = std::async(std::launch::async, [&] { return queue.RunOnOwner([] {}, {}); });
  while (queued < 1)
    std::this_thread::yield();
  queue.Close();
  EXPECT_FALSE(first.get());
  EXPECT_FALSE(std::async(std::launch::async, [&] { return queue.RunOnOwner([] {}, {}); }).get());
}

TEST(OwnerQueue, WaitAndRunTakesCallsAsTheyCome) {
  OwnerQueue queue;
  std::atomic<int> count{0};
  std::thread worker([&] {
    for (int i = 0; i < 50; ++i)
      queue.RunOnOwner([&] { ++count; }, {});
  });
  while (count < 50)
    queue.WaitAndRun(100);
  worker.join();
  EXPECT_EQ(count, 50);
}

}  // namespace
}  // namespace devero
