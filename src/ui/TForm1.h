// The timer window `TForm1`: owns the program's one `TimerState` and wires the
// front end's events to the handlers of the timer logic and the launcher.
// Each entry point runs one handler; an error raised in it is caught here and
// shown in the error box with a full stop appended, and the handler's
// remaining steps are skipped. The front end creates one `TForm1` after its
// window and tickers (`tmUser` already running) and keeps it until the end.
#pragma once

#include "launch/Launcher.h"
#include "settings/SettingsLoader.h"
#include "timer/TimerLogic.h"
#include "timer/TimerState.h"
#include "ui/Platform.h"
#include "ui/TForm1Definition.h"

#include <cstdint>
#include <functional>

class TForm1 {
public:
    // `defaults` name the platform's shutdown tool for command 2.
    explicit TForm1(const Platform& platform, const CommandDefaults& defaults = {});
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Start-up: hooks input and activation, loads the settings file, resets
    // the timer and shows "OFF". Called once, before the window is shown.
    void FormCreate();
    // Every message the event loop takes from the queue, before it is
    // dispatched; ignored until `FormCreate` has hooked it.
    void AppOnMessage(std::uint32_t message, std::uint32_t wParam);
    // The program became the active application; delivered on a later turn of
    // the loop than the activation itself. Ignored until hooked.
    void AppOnActivate();
    // Ticks of `tmUser` and `tmMain`.
    void tmUserTimer();
    void tmMainTimer();
    // Context menu items of `PopupMenu1`.
    void StartCommand11Click();
    void StartCommand21Click();
    void EditINIfile1Click();
    void MenuClick(TForm1Definition::MenuItem item);

    const TimerState& State() const { return state_; }
    bool Hooked() const { return hooked_; }

private:
    void Run(const std::function<void()>& handler);

    Platform platform_;
    TimerState state_;
    Launcher launcher_;
    TimerLogic logic_;
    bool hooked_ = false;
};
