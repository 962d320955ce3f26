#include "settings/SettingsLoader.h"
#include "sim/SimPlatform.h"

#include <gtest/gtest.h>

namespace {

// What the first start writes, key by key, into a file that does not exist.
constexpr const char* FreshFile = "[Timer]\r\n"
                                  "TimePause=10\r\n"
                                  "TimeMaximum=120\r\n"
                                  "PositionTop=50\r\n"
                                  "PositionLeft=50\r\n"
                                  "PositionCenter=1\r\n"
                                  "Test=0\r\n"
                                  "[AppStart]\r\n"
                                  "FileName1=\r\n"
                                  "Param1=\r\n"
                                  "FileName2=shutdown.exe\r\n"
                                  "Param2=-s -t 0\r\n"
                                  "[Text]\r\n"
                                  "FontName=Impact\r\n"
                                  "FontSize=120\r\n";

TEST(SettingsLoader, FirstStartWritesTheTwelveKeysAndShowsOff) {
    SimPlatform sim;
    const TimerState& state = sim.Start().State();
    EXPECT_EQ(sim.settingsText, FreshFile);
    EXPECT_EQ(sim.RecordsOf("write").size(), 12u);
    EXPECT_EQ(sim.caption(), "OFF");
    EXPECT_EQ(sim.color(), colors::Yellow);
    EXPECT_TRUE(sim.visible());
    // Centred: 1920 div 2 - 392 div 2, 1080 div 2 - 166 div 2.
    EXPECT_EQ(sim.left(), 764);
    EXPECT_EQ(sim.top(), 457);
    EXPECT_EQ(state.TimePause, 10);
    EXPECT_EQ(state.PauseLeft, 10);
    EXPECT_EQ(state.TimeMaximum, 120);
    EXPECT_EQ(state.TimeStep, 10);
    EXPECT_EQ(state.FileName2, "shutdown.exe");
    EXPECT_EQ(state.Param2, "-s -t 0");
    EXPECT_FALSE(state.TestMode);
    EXPECT_TRUE(sim.dialogs().empty());
}

TEST(SettingsLoader, ACompleteFileIsReadAndLeftAlone) {
    SimPlatform sim;
    sim.settingsText = "; my timer\r\n[Timer]\r\nTimePause = 5\r\nTimeMaximum=90\r\n"
                       "PositionTop=-100\r\nPositionLeft=20\r\nPositionCenter=yes\r\n"
                       "Test=1\r\n[AppStart]\r\nFileName1=\"C:\\a b\\warn.exe\"\r\n"
                       "Param1=now\r\nFileName2=\r\nParam2=\r\n[Text]\r\nFontName=Arial\r\n"
                       "FontSize=36\r\n";
    const std::string before = sim.settingsText;
    const TimerState& state = sim.Start().State();
    EXPECT_EQ(sim.settingsText, before);
    EXPECT_TRUE(sim.RecordsOf("write").empty());
    EXPECT_EQ(state.TimePause, 5);
    EXPECT_EQ(state.TimeMaximum, 120); // 90 raised to whole hours
    EXPECT_EQ(state.FileName1, "C:\\a b\\warn.exe");
    EXPECT_EQ(state.FileName2, "");
    EXPECT_TRUE(state.TestMode);
    // Not centred ("yes" is not "1"): top first, then left, unchecked.
    EXPECT_EQ(sim.RecordsOf("top"), (std::vector<SimRecord>{{"top", "-100"}}));
    EXPECT_EQ(sim.left(), 20);
    EXPECT_EQ(sim.RecordsOf("font"), (std::vector<SimRecord>{{"font", "Arial"}}));
    EXPECT_EQ(sim.RecordsOf("height"), (std::vector<SimRecord>{{"height", "48"}})); // 36*96/72
}

TEST(SettingsLoader, TimeMaximumIsNormalisedToWholeHours) {
    const std::tuple<std::int32_t, std::int32_t, std::int32_t> cases[] = {
        // written, in memory, step
        {120, 120, 10},
        {30, 60, 10},
        {90, 120, 10},
        {121, 180, 30},
        {150, 180, 30},
        {1440, 1440, 30},
        {5000, 1440, 30},
        {2147483647, 1440, 30},
        {-30, 60, 10},
        {0, 60, 10},
        {-2147483647 - 1, 60, 10},
    };
    for (const auto& [written, normalised, step] : cases) {
        SCOPED_TRACE(written);
        EXPECT_EQ(NormalisedTimeMaximum(written), normalised);
        EXPECT_EQ(TimeStepFor(normalised), step);
    }
}

TEST(SettingsLoader, FontPointsBecomePixelsAtTheScreensResolution) {
    const std::tuple<std::int32_t, int, int> cases[] = {
        {120, 96, 160}, {120, 144, 240},
        {10, 96, 13}, // 13.33 rounds down
        {9, 96, 12},    {1, 120, 2},
        {0, 96, 0},                                   // 1.67 rounds up
        {-10, 96, -13}, {2147483647, 96, 2147483647}, // cannot overflow
    };
    for (const auto& [points, dpi, pixels] : cases)
        EXPECT_EQ(FontPointsToPixels(points, dpi), pixels) << points << " pt at " << dpi;
}

TEST(SettingsLoader, NegativeFontSizesGiveTheSameHeight) {
    const std::pair<const char*, const char*> cases[] = {
        {"-36", "48"}, {"-2147483648", "2147483647"}, // the largest height, not an overflow
    };
    for (const auto& [size, height] : cases) {
        SimPlatform sim;
        sim.settingsText = std::string("[Text]\r\nFontSize=") + size + "\r\n";
        sim.Start();
        EXPECT_EQ(sim.RecordsOf("height"), (std::vector<SimRecord>{{"height", height}})) << size;
    }
}

TEST(SettingsLoader, FontNameIsCutAndAnEmptyOneKeepsTheFont) {
    SimPlatform sim;
    sim.settingsText = "[Text]\r\nFontName=\r\n";
    sim.Start();
    EXPECT_TRUE(sim.RecordsOf("font").empty());

    SimPlatform longName;
    longName.settingsText = "[Text]\r\nFontName=" + std::string(40, 'F') + "\r\n";
    longName.Start();
    EXPECT_EQ(longName.RecordsOf("font"), (std::vector<SimRecord>{{"font", std::string(31, 'F')}}));
}

TEST(SettingsLoader, PresentErrorValueCountsAsMissing) {
    SimPlatform sim;
    sim.settingsText = "[Timer]\r\nTimePause=Error\r\n";
    sim.Start();
    EXPECT_EQ(sim.form().State().TimePause, 10);
    EXPECT_EQ(sim.settingsText.substr(0, 23), "[Timer]\r\nTimePause=10\r\n");
    // The sentinel is compared exactly: "error" is a malformed number.
    SimPlatform lower;
    lower.settingsText = "[Timer]\r\nTimePause=error\r\n";
    lower.Start();
    ASSERT_EQ(lower.dialogs().size(), 1u);
    EXPECT_EQ(lower.dialogs()[0].errorText, "'error' is not a valid integer value.");
}

// A bad number or a refused write stops the load at that key: later keys are
// neither read nor written, and the rest of start-up does not run.
struct StopCase {
    const char* name;
    std::string file;
    bool refuseWrites;
    std::string error;
    std::size_t writes; // attempted before the stop
};

TEST(SettingsLoader, AnErrorStopsTheLoadAtItsKey) {
    const StopCase cases[] = {
        {"empty TimePause", "[Timer]\r\nTimePause=\r\n", false, "'' is not a valid integer value.",
         0},
        {"bad FontSize", "[Text]\r\nFontSize=abc\r\n", false, "'abc' is not a valid integer value.",
         7},
        {"bad PositionLeft", "[Timer]\r\nPositionLeft=0x\r\n", false,
         "'0x' is not a valid integer value.", 9},
        {"refused first write", "", true, "Unable to write to C:\\Program Files\\Dormo\\Dormo.INI.",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimPlatform sim;
        sim.settingsText = c.file;
        sim.refuseWrites = c.refuseWrites;
        const TimerState& state = sim.Start().State();
        ASSERT_EQ(sim.dialogs().size(), 1u);
        EXPECT_TRUE(sim.dialogs()[0].error);
        EXPECT_EQ(sim.dialogs()[0].errorText, c.error);
        EXPECT_EQ(sim.RecordsOf("write").size(), c.writes);
        // Start-up stopped: the label was never drawn, and the window is
        // still shown with the hooks in place.
        EXPECT_TRUE(sim.RecordsOf("caption").empty());
        EXPECT_EQ(state.PauseLeft, 0);
        EXPECT_TRUE(sim.visible());
        EXPECT_TRUE(sim.form().Hooked());
    }
}

TEST(SettingsLoader, AfterAStoppedLoadTheProgramStillRuns) {
    SimPlatform sim;
    sim.settingsText = "[Text]\r\nFontSize=abc\r\n";
    sim.Start();
    // PauseLeft was never set: the first idle tick finds 0 and closes "OFF".
    sim.Advance(1);
    EXPECT_TRUE(sim.ended());
}

TEST(SettingsLoader, CommandTwoDefaultsComeFromTheFrontEnd) {
    SimPlatform sim;
    sim.Start(CommandDefaults{"systemctl", "poweroff"});
    EXPECT_NE(sim.settingsText.find("FileName2=systemctl\r\nParam2=poweroff\r\n"),
              std::string::npos);
    EXPECT_EQ(sim.form().State().FileName2, "systemctl");
}

TEST(SettingsLoader, CentringUsesTheScaledWindowAndTruncates) {
    SimPlatform sim;
    sim.screenWidth = 1365;
    sim.screenHeight = 767;
    sim.windowWidth = 588; // 392 at 144 dpi
    sim.windowHeight = 249;
    sim.Start();
    // Left before top: 682 - 294, 383 - 124.
    const auto& r = sim.records();
    auto left = std::find(r.begin(), r.end(), SimRecord{"left", "388"});
    auto top = std::find(r.begin(), r.end(), SimRecord{"top", "259"});
    ASSERT_NE(left, r.end());
    ASSERT_NE(top, r.end());
    EXPECT_LT(left, top);
}

} // namespace
