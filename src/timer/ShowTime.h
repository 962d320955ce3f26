// How a number of seconds reads on the big label: the caption and its colour,
// in the Setting mode (whole minutes) or the countdown mode (minutes rounded
// up, the last minute in seconds and red).
#pragma once

#include "ui/Rgb.h"

#include <cstdint>
#include <string>

struct TimeDisplay {
    std::string caption;
    Rgb color;
    friend bool operator==(const TimeDisplay&, const TimeDisplay&) = default;
};

TimeDisplay DisplayFor(std::int32_t seconds, bool countdown);

// `LeftSeconds` as minutes and seconds for `Label2`: 4995 gives "83:15".
std::string MinutesSecondsText(std::int32_t seconds);
