// The timer's behaviour over `TimerState`: the display, setting the time with
// keys and wheel, the idle commit, the countdown with its final minute, and
// bringing the window back. Handlers are called by `TForm1` on the event
// loop's one thread.
#pragma once

#include "launch/Launcher.h"
#include "settings/SettingsLoader.h"
#include "timer/TimerState.h"
#include "ui/Platform.h"

#include <cstdint>

class TimerLogic {
public:
    TimerLogic(TimerState& state, Launcher& launcher, const Platform& platform,
               CommandDefaults defaults);

    // Start-up after the hooks are in place: settings, then the Setting phase.
    void FormCreate();
    // Draws `Seconds` on the big label in the current display mode.
    void ShowTime(std::int32_t Seconds);
    // The application-wide input hook.
    void AppOnMessage(std::uint32_t message, std::uint32_t wParam);
    // One step around the ring, down when `Decrease`.
    void ChangeTime(bool Decrease);
    void tmUserTimer();
    // Accepts the setting: ends the program at "OFF" or at zero, else hides
    // the window and counts down.
    void CommitTime();
    void tmMainTimer();
    // Brings the window back, pausing the countdown above one minute.
    void ShowTimer();
    void AppOnActivate();

private:
    TimerState& state_;
    Launcher& launcher_;
    Platform platform_;
    CommandDefaults defaults_;
};
