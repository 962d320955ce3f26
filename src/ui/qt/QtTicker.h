// A one-second ticker (`tmUser`, `tmMain`) on a Qt single-shot timer. Tick n
// falls due n seconds after Start() on the monotonic clock; each tick re-arms
// the timer for the time left to the next due tick, so a late tick does not
// push the later ones back, and after a stall the missed ticks are dropped.
// Owned by the front end's main object, beside the window.
#pragma once

#include "ui/TickSchedule.h"
#include "ui/Ticker.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <optional>

class QtTicker final : public Ticker {
public:
    // `onTick` runs on the event loop for every tick delivered.
    QtTicker(std::function<void()> onTick, bool running);

    void Start() override;
    void Stop() override;
    bool Running() const override { return running_; }

private:
    void ArmNext();
    void Fire();

    std::function<void()> onTick_;
    QTimer timer_;
    QElapsedTimer clock_;                  // monotonic, started once
    std::optional<TickSchedule> schedule_; // while running
    bool running_ = false;
};
