#include "settings/SettingsLoader.h"

#include "settings/IntegerConversion.h"
#include "settings/SettingsError.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::size_t MaxFontNameLength = 31;

// Reads one key; a missing key (or one that reads "Error") takes its default,
// which is written back at once.
std::string ReadKey(SettingsFile& file, std::string_view section, std::string_view key,
                    std::string_view fallback) {
    const std::string s(section);
    const std::string k(key);
    std::string value = file.Read(s, k, std::string(MissingValue));
    if (value != MissingValue)
        return value;
    if (!file.Write(s, k, std::string(fallback)))
        throw WriteError(file.Path());
    return std::string(fallback);
}

std::int32_t ReadInteger(SettingsFile& file, std::string_view section, std::string_view key,
                         std::string_view fallback) {
    return StrToInt(ReadKey(file, section, key, fallback));
}

} // namespace

std::int32_t NormalisedTimeMaximum(std::int32_t minutes) {
    std::int64_t value = minutes;
    if (value % 60 != 0)
        value = (value / 60 + 1) * 60;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 60, 1440));
}

std::int32_t TimeStepFor(std::int32_t timeMaximum) {
    return timeMaximum <= 120 ? 10 : 30;
}

int FontPointsToPixels(std::int32_t points, int pixelsPerInch) {
    // Rounded half away from zero, as the system's multiply-and-divide does.
    const std::int64_t product = static_cast<std::int64_t>(points) * pixelsPerInch;
    const std::int64_t rounded = product >= 0 ? (product + 36) / 72 : (product - 36) / 72;
    return static_cast<int>(std::clamp<std::int64_t>(rounded, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

void LoadSettings(TimerState& state, const Platform& platform, const CommandDefaults& defaults) {
    SettingsFile& file = platform.settings;

    state.TimePause = ReadInteger(file, "Timer", "TimePause", "10");
    state.TimeMaximum = NormalisedTimeMaximum(ReadInteger(file, "Timer", "TimeMaximum", "120"));
    state.TimeStep = TimeStepFor(state.TimeMaximum);

    state.FileName1 = ReadKey(file, "AppStart", "FileName1", "");
    state.Param1 = ReadKey(file, "AppStart", "Param1", "");
    state.FileName2 = ReadKey(file, "AppStart", "FileName2", defaults.FileName2);
    state.Param2 = ReadKey(file, "AppStart", "Param2", defaults.Param2);

    // The label keeps its font when the name is empty.
    const std::string fontName = ReadKey(file, "Text", "FontName", "Impact");
    if (!fontName.empty())
        platform.LMDLabel1.SetFontName(fontName.substr(0, MaxFontNameLength));
    const std::int32_t fontSize = ReadInteger(file, "Text", "FontSize", "120");
    // A negative size names the same height, as the system's fonts take it.
    const std::int64_t pixels = FontPointsToPixels(fontSize, platform.screen.PixelsPerInch());
    platform.LMDLabel1.SetFontHeight(static_cast<int>(
        std::min<std::int64_t>(pixels < 0 ? -pixels : pixels, std::numeric_limits<int>::max())));

    const std::int32_t top = ReadInteger(file, "Timer", "PositionTop", "50");
    const std::int32_t left = ReadInteger(file, "Timer", "PositionLeft", "50");
    if (ReadKey(file, "Timer", "PositionCenter", "1") == "1") {
        platform.window.SetLeft(platform.screen.Width() / 2 - platform.window.Width() / 2);
        platform.window.SetTop(platform.screen.Height() / 2 - platform.window.Height() / 2);
    } else {
        platform.window.SetTop(top);
        platform.window.SetLeft(left);
    }

    state.TestMode = ReadKey(file, "Timer", "Test", "0") == "1";
}
