#include "timer/TimerLogic.h"

#include "timer/ShowTime.h"
#include "ui/Messages.h"

#include <utility>

namespace {
// In test mode the ring ends at ten minutes, whatever the maximum says.
constexpr std::int32_t TestModeLimit = 600;
constexpr std::int32_t FinalMinute = 60;
} // namespace

TimerLogic::TimerLogic(TimerState& state, Launcher& launcher, const Platform& platform,
                       CommandDefaults defaults)
    : state_(state), launcher_(launcher), platform_(platform), defaults_(std::move(defaults)) {}

void TimerLogic::FormCreate() {
    LoadSettings(state_, platform_, defaults_);
    state_.Running = false;
    state_.LastMinute = false;
    state_.SetSeconds = 0;
    state_.PauseLeft = state_.TimePause;
    ShowTime(state_.SetSeconds);
}

void TimerLogic::ShowTime(std::int32_t Seconds) {
    const TimeDisplay display = DisplayFor(Seconds, state_.Running || state_.LastMinute);
    platform_.LMDLabel1.SetCaption(display.caption);
    platform_.LMDLabel1.SetFontColor(display.color);
}

void TimerLogic::AppOnMessage(std::uint32_t message, std::uint32_t wParam) {
    if (message == msg::KeyDown) {
        if (wParam == vk::Up || wParam == vk::Right)
            ChangeTime(false);
        else if (wParam == vk::Down || wParam == vk::Left)
            ChangeTime(true);
        state_.PauseLeft = state_.TimePause;
        if (wParam == vk::Escape)
            CommitTime();
        return;
    }
    if (message >= msg::MouseMove && message <= msg::MButtonDblClk) {
        state_.PauseLeft = state_.TimePause;
        return;
    }
    if (message == msg::MouseWheel) {
        // The distance sits in the high half, so the sign of the whole word
        // is the direction: away from the user steps up.
        ChangeTime(static_cast<std::int32_t>(wParam) <= 0);
        state_.PauseLeft = state_.TimePause;
    }
}

void TimerLogic::ChangeTime(bool Decrease) {
    const std::int32_t delta = Decrease ? -60 : 60;
    std::int32_t limit = 0;
    if (state_.TestMode) {
        limit = TestModeLimit;
        state_.SetSeconds += delta;
    } else {
        limit = state_.TimeMaximum * 60;
        state_.SetSeconds += state_.TimeStep * delta;
    }
    if (state_.SetSeconds > limit)
        state_.SetSeconds = 0;
    if (state_.SetSeconds < 0)
        state_.SetSeconds = limit;
    state_.LeftSeconds = state_.SetSeconds;
    if (state_.LastMinute) {
        platform_.tmUser.Start();
        state_.LastMinute = false;
        platform_.tmMain.Stop();
    }
    ShowTime(state_.SetSeconds);
}

void TimerLogic::tmUserTimer() {
    if (state_.PauseLeft == 0)
        CommitTime();
    state_.PauseLeft = WrappingDecrement(state_.PauseLeft);
    platform_.Label1.SetCaption(std::to_string(state_.PauseLeft));
}

void TimerLogic::CommitTime() {
    if (state_.SetSeconds == 0 || state_.LeftSeconds == 0)
        platform_.window.Close();
    if (state_.LeftSeconds < FinalMinute)
        return;
    state_.Running = true;
    platform_.tmUser.Stop();
    state_.PauseLeft = state_.TimePause;
    platform_.tmMain.Start();
    platform_.window.Hide();
}

void TimerLogic::tmMainTimer() {
    // A refused start is reported only once this tick has counted its second:
    // while the message is open the countdown goes on with the next ticks, and
    // none of them finds this tick's value again.
    bool refused = false;
    if (state_.LeftSeconds == FinalMinute) {
        state_.LastMinute = true;
        ShowTimer();
        refused = !launcher_.Launch(CommandKind::Command1);
    }
    if (state_.LeftSeconds == 0) {
        refused = !launcher_.Launch(CommandKind::Command2) || refused;
        CommitTime();
    }
    state_.LeftSeconds = WrappingDecrement(state_.LeftSeconds);
    platform_.Label2.SetCaption(MinutesSecondsText(state_.LeftSeconds));
    ShowTime(state_.LeftSeconds);
    if (refused)
        launcher_.ReportFailure();
}

void TimerLogic::ShowTimer() {
    state_.Running = false;
    state_.PauseLeft = state_.TimePause;
    if (state_.LeftSeconds > FinalMinute) {
        platform_.tmUser.Start();
        platform_.tmMain.Stop();
    }
    platform_.window.Show();
}

void TimerLogic::AppOnActivate() {
    if (!platform_.window.IsVisible())
        platform_.window.Show();
    ShowTimer();
}
