// A one-second ticker (`tmUser`, `tmMain`) on a one-shot timer of the
// application window, re-armed at each tick for the time left to the next
// due time of its fixed schedule. Owned by WinMain, lives as long as the form.
#pragma once

#include "ui/TForm1.h"
#include "ui/TickSchedule.h"
#include "ui/Ticker.h"

#include <windows.h>

#include <optional>

class Win32Application;

class Win32Ticker final : public Ticker {
public:
    Win32Ticker(Win32Application& application, UINT_PTR id, void (TForm1::*handler)());
    ~Win32Ticker() override;
    Win32Ticker(const Win32Ticker&) = delete;
    Win32Ticker& operator=(const Win32Ticker&) = delete;

    void Start() override;
    void Stop() override;
    bool Running() const override { return schedule_.has_value(); }

    UINT_PTR Id() const { return id_; }
    // The application window's timer `Id()` fired.
    void Fired();

private:
    void Arm();

    Win32Application& application_;
    UINT_PTR id_;
    void (TForm1::*handler_)();
    std::optional<TickSchedule> schedule_;
};
