// The fixed schedule of a one-second ticker, kept on a monotonic clock that
// the front end reads: tick n falls due n periods after the start, so a late
// tick does not push the later ones back. After a stall the ticks missed are
// dropped, never delivered in a burst, and the schedule goes on from its next
// due time after the stall. A front end's ticker holds one while it runs and
// makes a new one at each start; pure arithmetic, no platform calls.
#pragma once

#include <chrono>
#include <cstdint>

class TickSchedule {
public:
    using Duration = std::chrono::milliseconds;

    // A timer that fires this much before the due time still delivers the
    // tick: system timers round their delays to the system's own tick.
    static constexpr Duration EarlyTolerance{20};

    // `start` is the clock's reading when the ticker was started.
    explicit constexpr TickSchedule(Duration start, Duration period = Duration{1000})
        : start_(start), period_(period) {}

    // Index of the next tick to deliver, counted from 1.
    constexpr std::int64_t NextIndex() const { return next_; }
    constexpr Duration NextDue() const { return start_ + period_ * next_; }

    // What to arm the one-shot timer with at `now`: the time left to the next
    // due time, zero when it is already due.
    constexpr Duration DelayFrom(Duration now) const {
        const Duration left = NextDue() - now;
        return left > Duration::zero() ? left : Duration::zero();
    }

    // The timer fired at `now`. True when a tick is to be delivered; the
    // schedule then moves on to its first due time after `now`, dropping any
    // that passed meanwhile. False when the timer fired early; nothing changes.
    constexpr bool Fire(Duration now) {
        if (now + EarlyTolerance < NextDue())
            return false;
        const std::int64_t passed = now >= start_ ? (now - start_) / period_ : 0;
        next_ = passed + 1 > next_ + 1 ? passed + 1 : next_ + 1;
        return true;
    }

private:
    Duration start_;
    Duration period_;
    std::int64_t next_ = 1;
};
