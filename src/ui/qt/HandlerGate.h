// Runs the form's handlers for the front end and carries out the close the
// timer logic asks for: from the close on no handler runs, and the event loop
// is told to end once the outermost handler has returned (handlers nest when
// one waits in a message box). Before the start-up handler is done, ticks are
// held back, so a settings error's box is not closed by an idle tick. Owned
// by the front end's main object.
#pragma once

#include <functional>
#include <utility>

class HandlerGate {
public:
    explicit HandlerGate(std::function<void()> endLoop) : endLoop_(std::move(endLoop)) {}

    // Runs `handler` unless the program is closing; ends the loop after the
    // outermost handler that saw a close.
    void Run(const std::function<void()>& handler) {
        if (closing_)
            return;
        ++depth_;
        handler();
        --depth_;
        // The handler may have closed the window.
        // cppcheck-suppress identicalConditionAfterEarlyExit
        if (closing_ && depth_ == 0)
            endLoop_();
    }
    // A tick: only once the start-up handler is done.
    void RunTick(const std::function<void()>& handler) {
        if (started_)
            Run(handler);
    }

    void Started() { started_ = true; }
    void RequestClose() { closing_ = true; }
    bool Closing() const { return closing_; }

private:
    std::function<void()> endLoop_;
    int depth_ = 0;
    bool started_ = false;
    bool closing_ = false;
};
