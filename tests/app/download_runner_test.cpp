// The download on its own thread, as the window runs it. Also run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <future>
#include <mutex>

#include "app/download_runner.h"
#include "platform/pointer/no_pointer_settings.h"
#include "support/fake_device_memory.h"
#include "support/fake_warnings.h"

namespace devero {
namespace {

// Calls posted by the worker, run when the test pumps them.
class PostQueue {
 public:
  void Post(std::function<void()> call) {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
  }
  void Pump() {
    std::deque<std::function<void()>> calls;
    {
      std::lock_guard lock(mutex_);
      calls.swap(calls_);
    }
    for (auto& c : calls)
      c();
  }

 private:
  std::mutex mutex_;
  std::deque<std::function<void()>> calls_;
};

// One group of one macro; the download waits in GroupCount until the test lets it go.
class GatedGroups : public GroupMacroSource {
 public:
  GatedGroups(std::shared_future<void> gate, std::promise<void>* entered)
      : gate_(std::move(gate)), entered_(entered) {}
  int GroupCount() const override {
    if (entered_ != nullptr) {
      entered_->set_value();
      entered_ = nullptr;
    }
    gate_.wait();
    return 1;
  }
  int GroupMacroCount(int group) const override { return group == 0 ? 1 : 0; }
  MacroRecord GroupMacro(int, int) const override { return MacroRecord{}; }

 private:
  std::shared_future<void> gate_;
  mutable std::promise<void>* entered_;
};

class DownloadRunnerTest : public ::testing::Test {
 protected:
  std::unique_ptr<DownloadRunner::Job> Job() {
    auto job = std::make_unique<DownloadRunner::Job>();
    job->settings = live_;
    job->product.keyNum = 7;
    for (int b = 0; b < 7; ++b)
      job->product.keyMap[b] = static_cast<uint8_t>(b + 1);
    RebuildButtonByMapNumber(job->product);
    job->product_variant = 1;
    job->groups = std::make_unique<GatedGroups>(gate_future_, jobs_++ == 0 ? &entered_ : nullptr);
    return job;
  }

  testing::FakeDeviceMemory memory_;
  testing::FakeWarnings warnings_;
  NoPointerSettings pointer_;
  SettingsDownload download_{memory_, warnings_, pointer_, 0x1209, 0x0001};
  PostQueue queue_;
  DownloadRunner runner_{download_, [this](std::function<void()> c) { queue_.Post(std::move(c)); }};
  ProfileSettings live_;
  std::promise<void> gate_;
  std::shared_future<void> gate_future_ = gate_.get_future().share();
  std::promise<void> entered_;
  int jobs_ = 0;
};

TEST_F(DownloadRunnerTest, RunsAsideAndRefusesASecondStart) {
  for (int p = 0; p < kProfileCount; ++p)
    live_.buttonFunction[p] = {1, 2, 3, 0, 0, 0, 0, 0, 0};
  // Macros of a group that does not exist: the download clears them.
  live_.buttonFunction[1][3] = 2 * 256;
  live_.buttonFunction[1][4] = 3 * 256;
  const ProfileSettings before = live_;
  std::optional<SettingsDownload::Result> result;
  std::optional<ProfileSettings> left;
  std::vector<int> steps;
  int total = 0;
  auto entered = entered_.get_future();
  ASSERT_TRUE(runner_.Start(Job(), {[&](int step, int t) {
                                      steps.push_back(step);
                                      total = t;
                                    },
                                    [&](SettingsDownload::Result r, const ProfileSettings& after) {
                                      result = r;
                                      left = after;
                                    }}));
  entered.wait();
  EXPECT_TRUE(runner_.Running());
  EXPECT_FALSE(runner_.Start(Job(), {}));
  // The user changes one of the two slots while the download runs.
  live_.buttonFunction[1][4] = 5;
  gate_.set_value();
  runner_.Wait();
  EXPECT_FALSE(runner_.Running());
  queue_.Pump();
  ASSERT_EQ(result, SettingsDownload::Result::kDone);
  ASSERT_TRUE(left);
  EXPECT_EQ(left->buttonFunction[1][3], 0);
  EXPECT_EQ(left->buttonFunction[1][4], 0);
  ASSERT_FALSE(steps.empty());
  EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()));
  EXPECT_EQ(steps.back(), total);

  CarryDownloadChanges(before, *left, live_);
  EXPECT_EQ(live_.buttonFunction[1][3], 0);
  EXPECT_EQ(live_.buttonFunction[1][4], 5);  // the user's own change stays
  EXPECT_EQ(live_.buttonFunction[0][0], 1);
  // The download reached the mouse, beginning with its opening get and ending with the apply.
  ASSERT_FALSE(memory_.ops.empty());
  EXPECT_EQ(memory_.ops.front().kind, 'G');
  EXPECT_TRUE(std::any_of(memory_.ops.begin(), memory_.ops.end(),
                          [](const auto& op) { return op.kind == 'A'; }));
}

}  // namespace
}  // namespace devero
