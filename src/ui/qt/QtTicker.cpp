#include "QtTicker.h"

#include "ui/TForm1Definition.h"

#include <utility>

namespace {
constexpr TickSchedule::Duration Period{TForm1Definition::TickerIntervalMs};
} // namespace

QtTicker::QtTicker(std::function<void()> onTick, bool running) : onTick_(std::move(onTick)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(); });
    clock_.start();
    if (running)
        Start();
}

void QtTicker::Start() {
    if (running_)
        return;
    running_ = true;
    schedule_.emplace(TickSchedule::Duration{clock_.elapsed()}, Period);
    ArmNext();
}

void QtTicker::Stop() {
    running_ = false;
    schedule_.reset();
    timer_.stop();
}

void QtTicker::ArmNext() {
    const auto delay = schedule_->DelayFrom(TickSchedule::Duration{clock_.elapsed()});
    timer_.start(static_cast<int>(delay.count()));
}

void QtTicker::Fire() {
    if (!running_)
        return;
    const bool due = schedule_->Fire(TickSchedule::Duration{clock_.elapsed()});
    // Armed before the tick runs: its handler may stop or restart this ticker,
    // or wait in a message box while the next ticks fall due.
    ArmNext();
    if (due)
        onTick_();
}
