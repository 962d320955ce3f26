// The one record of the running timer: the set time, the time left, the idle
// count, the values read from the settings file and the phase flags. The
// program has one, owned by its window `TForm1`; it is all zero, false and
// empty until `FormCreate` fills it.
#pragma once

#include <cstdint>
#include <string>

struct TimerState {
    std::int32_t SetSeconds = 0;  // set time, a multiple of 60; 0 is "OFF"
    std::int32_t LeftSeconds = 0; // seconds left in the countdown
    std::int32_t PauseLeft = 0;   // idle seconds left before the setting is committed
    std::int32_t TimePause = 0;   // idle seconds allowed
    std::int32_t TimeMaximum = 0; // largest settable time in minutes
    std::int32_t TimeStep = 0;    // minutes per step
    bool Running = false;         // counting down with the window hidden
    bool LastMinute = false;      // the final minute, window shown in red
    bool TestMode = false;        // one-minute steps up to ten minutes
    std::string FileName1;        // command 1, started a minute before the end
    std::string FileName2;        // command 2, started at the end
    std::string Param1;
    std::string Param2;
};

// Whole seconds wrap around like the 32-bit registers they were defined on,
// so counting below the smallest value never traps.
constexpr std::int32_t WrappingDecrement(std::int32_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) - 1u);
}
