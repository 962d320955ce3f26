#include "ui/win32/Win32Ticker.h"

#include "ui/win32/Win32Application.h"

namespace {

// Milliseconds on the performance counter, which never goes back.
TickSchedule::Duration MonotonicNow() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    const long long perSecond = frequency.QuadPart;
    const long long ticks = counter.QuadPart;
    return TickSchedule::Duration{ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond};
}

} // namespace

Win32Ticker::Win32Ticker(Win32Application& application, UINT_PTR id, void (TForm1::*handler)())
    : application_(application), id_(id), handler_(handler) {
    application_.AddTicker(*this);
}

Win32Ticker::~Win32Ticker() {
    Stop();
}

void Win32Ticker::Start() {
    if (schedule_)
        return;
    schedule_.emplace(MonotonicNow());
    Arm();
}

void Win32Ticker::Stop() {
    if (!schedule_)
        return;
    schedule_.reset();
    KillTimer(application_.Handle(), id_);
}

void Win32Ticker::Arm() {
    const auto delay = schedule_->DelayFrom(MonotonicNow()).count();
    // A new SetTimer on the same id replaces the timer: one shot per arming.
    SetTimer(application_.Handle(), id_, static_cast<UINT>(delay > 0 ? delay : 1), nullptr);
}

void Win32Ticker::Fired() {
    if (!schedule_)
        return;
    const bool due = schedule_->Fire(MonotonicNow());
    // Re-armed before the handler runs, so that ticks keep coming while the
    // handler waits on a message box.
    Arm();
    if (due)
        application_.Tick(handler_);
}
