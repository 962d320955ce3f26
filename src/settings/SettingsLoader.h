// Loads the settings file at start-up: reads the twelve keys in order, writes
// back any that is missing with its default, converts and normalises the
// numbers, and applies the big label's font and the window's position as it
// goes. Throws `SettingsError` at the first bad number or refused write; the
// keys after it are then neither read nor written.
#pragma once

#include "timer/TimerState.h"
#include "ui/Platform.h"

#include <cstdint>
#include <string>
#include <string_view>

// A key of the settings file and the value written for it when missing.
struct SettingsKey {
    std::string_view section;
    std::string_view key;
    std::string_view fallback;
};

// The value a read returns for a missing key, to tell it from an empty one.
inline constexpr std::string_view MissingValue = "Error";

// `TimeMaximum` in minutes raised to whole hours, within one to 24 hours.
std::int32_t NormalisedTimeMaximum(std::int32_t minutes);
// Minutes per step for a normalised maximum.
std::int32_t TimeStepFor(std::int32_t timeMaximum);
// A font size in points as a character height in pixels, rounded.
int FontPointsToPixels(std::int32_t points, int pixelsPerInch);

// Command 2's defaults, which name the platform's own shutdown tool.
struct CommandDefaults {
    std::string FileName2 = "shutdown.exe";
    std::string Param2 = "-s -t 0";
};

void LoadSettings(TimerState& state, const Platform& platform,
                  const CommandDefaults& defaults = {});
