#include "timer/ShowTime.h"

TimeDisplay DisplayFor(std::int32_t seconds, bool countdown) {
    if (!countdown) {
        if (seconds == 0)
            return {"OFF", colors::Yellow};
        return {std::to_string(seconds / 60), colors::Lime};
    }
    // Counting down, a started minute counts whole: 61..119 seconds read "2".
    if (seconds > 60)
        return {std::to_string(seconds / 60 + 1), colors::Lime};
    if (seconds == 0)
        return {"OFF", colors::Red};
    return {std::to_string(seconds), colors::Red};
}

std::string MinutesSecondsText(std::int32_t seconds) {
    const std::int32_t minutes = seconds / 60;
    const std::int32_t rest = seconds % 60;
    return std::to_string(minutes) + ":" + (rest < 10 ? "0" : "") + std::to_string(rest);
}
