#include "QtTicker.h"

#include "ui/TForm1Definition.h"

#include <utility>

namespace {

constexpr std::int64_t PeriodMs = TForm1Definition::TickerIntervalMs;

// The tick to arm after one delivered at `elapsedMs` since the start: the
// next whole period, whatever ticks a stall made the timer miss.
std::int64_t NextTickAfter(std::int64_t elapsedMs) {
    return elapsedMs / PeriodMs + 1;
}

} // namespace

QtTicker::QtTicker(std::function<void()> onTick, bool running) : onTick_(std::move(onTick)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(); });
    if (running)
        Start();
}

void QtTicker::Start() {
    if (running_)
        return;
    running_ = true;
    clock_.start();
    next_ = 1;
    ArmNext();
}

void QtTicker::Stop() {
    running_ = false;
    timer_.stop();
}

void QtTicker::ArmNext() {
    const std::int64_t left = next_ * PeriodMs - clock_.elapsed();
    timer_.start(static_cast<int>(left > 0 ? left : 0));
}

void QtTicker::Fire() {
    if (!running_)
        return;
    // Armed before the tick runs: its handler may stop or restart this ticker,
    // or wait in a message box while the next ticks fall due.
    next_ = NextTickAfter(clock_.elapsed());
    ArmNext();
    onTick_();
}
