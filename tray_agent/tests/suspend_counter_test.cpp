// Counting standby and resume.
#include "suspend_counter.h"

#include <gtest/gtest.h>

#include <vector>

using tray::kQuerySuspend;
using tray::kQuerySuspendFailed;
using tray::kResumeSuspend;
using tray::SuspendCounter;

namespace {

struct Step {
    int count;
    bool restore;
    bool operator==(const Step&) const = default;
};

std::vector<Step> Events(SuspendCounter& counter, std::vector<unsigned long> events) {
    std::vector<Step> steps;
    for (unsigned long event : events) {
        const tray::PowerAnswer answer = counter.OnPowerEvent(event);
        EXPECT_TRUE(answer.handled) << event;
        steps.push_back({counter.Count(), answer.restore});
    }
    return steps;
}

}  // namespace

TEST(SuspendCounter, AQueryThenAResumeRestoresAtTheResume) {
    SuspendCounter counter;
    EXPECT_EQ(Events(counter, {kQuerySuspend, kResumeSuspend}),
              (std::vector<Step>{{1, false}, {0, true}}));
    EXPECT_EQ(Events(counter, {kQuerySuspend, kResumeSuspend}),
              (std::vector<Step>{{1, false}, {0, true}}));
}

TEST(SuspendCounter, TwoQueriesAndOneResumeDoNotRestore) {
    SuspendCounter counter;
    EXPECT_EQ(Events(counter, {kQuerySuspend, kQuerySuspend, kResumeSuspend}),
              (std::vector<Step>{{1, false}, {2, false}, {1, false}}));
    EXPECT_EQ(Events(counter, {kResumeSuspend}), (std::vector<Step>{{0, true}}));
}

TEST(SuspendCounter, ARefusedStandbyTakesItsQueryBack) {
    SuspendCounter counter;
    EXPECT_EQ(Events(counter, {kQuerySuspend, kQuerySuspendFailed}),
              (std::vector<Step>{{1, false}, {0, false}}));
    // The next standby restores at its resume, as if nothing had been refused.
    EXPECT_EQ(Events(counter, {kQuerySuspend, kResumeSuspend}),
              (std::vector<Step>{{1, false}, {0, true}}));
    // A refusal with nothing to take back changes nothing.
    EXPECT_EQ(Events(counter, {kQuerySuspendFailed}), (std::vector<Step>{{0, false}}));
}

TEST(SuspendCounter, AResumeWithoutAQueryRestoresAndStaysAtZero) {
    SuspendCounter counter;
    EXPECT_EQ(Events(counter, {kResumeSuspend, kResumeSuspend}),
              (std::vector<Step>{{0, true}, {0, true}}));
    // Later standbys still restore at their resume, not at their query.
    EXPECT_EQ(Events(counter, {kQuerySuspend, kResumeSuspend}),
              (std::vector<Step>{{1, false}, {0, true}}));
}

TEST(SuspendCounter, OtherEventsAreNotAnsweredAndChangeNothing) {
    SuspendCounter counter;
    counter.OnPowerEvent(kQuerySuspend);
    for (unsigned long event : {1ul, 3ul, 4ul, 5ul, 6ul, 8ul, 0xAul, 0x12ul, 0x8013ul}) {
        const tray::PowerAnswer answer = counter.OnPowerEvent(event);
        EXPECT_FALSE(answer.handled) << event;
        EXPECT_FALSE(answer.restore) << event;
    }
    EXPECT_EQ(counter.Count(), 1);
}
