// Every test of every test program gets a time bound: a test that runs
// longer has met a loop that does not end, and fails with a message instead
// of hanging the whole run.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace zephrane::testing {
namespace {

// Far beyond what any test needs (the longest takes a few seconds under the
// sanitizers), below the 120 s after which ctest would stop the test itself,
// and short enough that a hanging routine fails its tests well within a
// mutation run's time.
constexpr std::chrono::seconds kTestLimit{60};

class Watchdog : public ::testing::EmptyTestEventListener {
public:
    // The watching thread runs until the program ends; what it shares with
    // the listener is never freed, so it can outlive gtest's listeners.
    Watchdog() {
        std::thread([s = shared_] {
            std::unique_lock lock(s->mutex);
            for (;;) {
                if (s->test.empty()) {
                    s->wake.wait(lock);
                } else if (s->wake.wait_until(lock, s->deadline) == std::cv_status::timeout &&
                           !s->test.empty()) {
                    std::fprintf(stderr,
                                 "%s did not end within %lld s and was stopped: a loop that never ends?\n",
                                 s->test.c_str(), static_cast<long long>(kTestLimit.count()));
                    std::_Exit(1);
                }
            }
        }).detach();
    }
    void OnTestStart(const ::testing::TestInfo& info) override {
        std::lock_guard lock(shared_->mutex);
        shared_->test = std::string(info.test_suite_name()) + "." + info.name();
        shared_->deadline = std::chrono::steady_clock::now() + kTestLimit;
        shared_->wake.notify_all();
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        std::lock_guard lock(shared_->mutex);
        shared_->test.clear();
    }

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable wake;
        std::string test;  // the running test, "" between tests
        std::chrono::steady_clock::time_point deadline;
    };
    Shared* shared_ = kShared;
    static inline Shared* const kShared = new Shared;
};

[[maybe_unused]] const bool kInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
    return true;
}();

}  // namespace
}  // namespace zephrane::testing
