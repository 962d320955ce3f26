#include "ui/TickSchedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ms = std::chrono::milliseconds;

// One firing of the ticker's timer and what the schedule makes of it.
struct Firing {
    long long now;     // clock reading when the timer fired
    bool delivered;    // a tick is delivered
    long long nextDue; // the due time the timer is re-armed for
};

struct ScheduleCase {
    const char* name;
    long long start;
    std::vector<Firing> firings;
};

TEST(TickSchedule, DeliversOnAFixedScheduleAndDropsWhatAStallMissed) {
    const ScheduleCase cases[] = {
        {"on time", 5000, {{6000, true, 7000}, {7000, true, 8000}, {8000, true, 9000}}},
        // 300 ms late: the next tick still falls due at start + 2 s, 700 ms later.
        {"a late tick does not push the next one back",
         0,
         {{1300, true, 2000}, {2000, true, 3000}}},
        // Many ticks each 15 ms late: the schedule stays at whole seconds.
        {"lateness does not add up",
         0,
         {{1015, true, 2000}, {2015, true, 3000}, {3015, true, 4000}}},
        // Woken 100 ms early: no tick, re-armed for the same due time.
        {"an early wake-up waits", 0, {{900, false, 1000}, {1000, true, 2000}}},
        // Within the system tick's rounding: delivered, next due unchanged.
        {"a wake-up a system tick early counts", 0, {{985, true, 2000}}},
        // Held up from 1.2 s to 4.5 s: one tick then, the ones due at 2, 3
        // and 4 s are dropped, and the schedule goes on at 5 s.
        {"a stall drops the missed ticks",
         0,
         {{1200, true, 2000}, {4500, true, 5000}, {5000, true, 6000}}},
        // A stall of exactly one period past the due time: due at 1 s and 2 s,
        // one tick delivered, the next at 3 s.
        {"never two ticks at once", 0, {{2000, true, 3000}, {3000, true, 4000}}},
        {"a clock reading before the start", 10000, {{9000, false, 11000}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TickSchedule schedule{ms{c.start}};
        EXPECT_EQ(schedule.NextDue(), ms{c.start + 1000});
        for (const auto& f : c.firings) {
            SCOPED_TRACE(f.now);
            EXPECT_EQ(schedule.Fire(ms{f.now}), f.delivered);
            EXPECT_EQ(schedule.NextDue(), ms{f.nextDue});
        }
    }
}

TEST(TickSchedule, DelayIsTheTimeLeftToTheNextDueTime) {
    TickSchedule schedule{ms{1000}};
    EXPECT_EQ(schedule.DelayFrom(ms{1000}), ms{1000});
    EXPECT_EQ(schedule.DelayFrom(ms{1700}), ms{300});
    EXPECT_EQ(schedule.DelayFrom(ms{2500}), ms{0}); // overdue: fire at once
    EXPECT_TRUE(schedule.Fire(ms{2500}));
    EXPECT_EQ(schedule.DelayFrom(ms{2500}), ms{500});
}

// A long countdown ends on time: 3600 ticks, each delivered 10..25 ms late,
// take 3600 s and a little, not 3600 s plus the lateness of every tick.
TEST(TickSchedule, AnHourOfLateTicksEndsOnTime) {
    TickSchedule schedule{ms{0}};
    long long now = 0;
    int delivered = 0;
    while (delivered < 3600) {
        now = schedule.NextDue().count() + 10 + delivered % 16;
        if (schedule.Fire(ms{now}))
            ++delivered;
    }
    EXPECT_LT(now, 3600 * 1000 + 30);
    EXPECT_EQ(schedule.NextIndex(), 3601);
}

} // namespace
