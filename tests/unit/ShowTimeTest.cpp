#include "timer/ShowTime.h"

#include <gtest/gtest.h>

namespace {

struct DisplayCase {
    std::int32_t seconds;
    bool countdown;
    std::string caption;
    Rgb color;
};

TEST(ShowTime, CaptionAndColourInBothModes) {
    const DisplayCase cases[] = {
        {0, false, "OFF", colors::Yellow},
        {600, false, "10", colors::Lime},
        {7200, false, "120", colors::Lime},
        {59, false, "0", colors::Lime},   // whole minutes, truncated
        {3599, true, "60", colors::Lime}, // 3599 div 60 = 59, plus the started minute
        {3600, true, "61", colors::Lime},
        {120, true, "3", colors::Lime},
        {61, true, "2", colors::Lime},
        {60, true, "60", colors::Red},
        {59, true, "59", colors::Red},
        {1, true, "1", colors::Red},
        {0, true, "OFF", colors::Red},
        {-1, true, "-1", colors::Red},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.seconds) + (c.countdown ? " counting" : " setting"));
        EXPECT_EQ(DisplayFor(c.seconds, c.countdown), (TimeDisplay{c.caption, c.color}));
    }
}

TEST(ShowTime, MinutesAndSecondsOfTheStatusLabel) {
    const std::pair<std::int32_t, std::string> cases[] = {
        {4995, "83:15"}, // 83 * 60 + 15
        {545, "9:05"},   // seconds below ten get a leading zero
        {60, "1:00"},    {0, "0:00"},
        {-1, "0:0-1"}, // the tick after zero: remainder truncates toward zero
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(MinutesSecondsText(seconds), text) << seconds;
}

} // namespace
