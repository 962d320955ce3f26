#include "sim/SimPlatform.h"
#include "ui/Messages.h"

#include <gtest/gtest.h>

namespace {

// The captions met going once around the ring, starting from "OFF".
std::vector<std::string> Ring(SimPlatform& sim, std::uint32_t key, int steps) {
    std::vector<std::string> seen;
    for (int i = 0; i < steps; ++i) {
        sim.Key(key);
        sim.Pump();
        seen.push_back(sim.caption());
    }
    return seen;
}

struct RingCase {
    const char* name;
    std::string file;
    std::uint32_t key;
    std::vector<std::string> captions;
};

TEST(SettingTime, StepsGoAroundTheRing) {
    const RingCase cases[] = {
        {"default up",
         "",
         vk::Up,
         {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100", "110", "120", "OFF", "10"}},
        {"default down", "", vk::Down, {"120", "110", "100"}},
        {"right steps up", "", vk::Right, {"10", "20"}},
        {"left steps down", "", vk::Left, {"120", "110"}},
        {"maximum 180",
         "[Timer]\r\nTimeMaximum=180\r\n",
         vk::Up,
         {"30", "60", "90", "120", "150", "180", "OFF"}},
        {"test mode up",
         "[Timer]\r\nTest=1\r\nTimeMaximum=1440\r\n",
         vk::Up,
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "OFF"}},
        {"test mode down", "[Timer]\r\nTest=1\r\n", vk::Down, {"10", "9"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimPlatform sim;
        sim.settingsText = c.file;
        sim.Start();
        EXPECT_EQ(Ring(sim, c.key, static_cast<int>(c.captions.size())), c.captions);
        const TimerState& s = sim.form().State();
        EXPECT_EQ(s.LeftSeconds, s.SetSeconds);
        EXPECT_EQ(sim.color(), s.SetSeconds == 0 ? colors::Yellow : colors::Lime);
    }
}

struct InputCase {
    const char* name;
    std::uint32_t message;
    std::uint32_t wParam;
    std::string caption; // after the input, starting from "OFF"
    bool restartsIdle;
};

TEST(SettingTime, InputStepsAndRestartsTheIdleCount) {
    const InputCase cases[] = {
        {"up arrow", msg::KeyDown, vk::Up, "10", true},
        {"other key", msg::KeyDown, 'A', "OFF", true},
        {"alt+up is a system key", msg::SysKeyDown, vk::Up, "OFF", false},
        {"F10 is a system key", msg::SysKeyDown, 0x79, "OFF", false},
        {"mouse move", msg::MouseMove, 0, "OFF", true},
        {"left button down", msg::LButtonDown, 1, "OFF", true},
        {"middle double click", msg::MButtonDblClk, 0, "OFF", true},
        {"wheel away", msg::MouseWheel, WheelParam(120), "10", true},
        {"wheel towards", msg::MouseWheel, WheelParam(-120), "120", true},
        {"wheel zero", msg::MouseWheel, 0, "120", true},                  // 0 counts as down
        {"wheel far away", msg::MouseWheel, WheelParam(960), "10", true}, // one step
        {"other message", 0x000F, 0, "OFF", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimPlatform sim;
        sim.Start();
        sim.Advance(4); // PauseLeft 10 -> 6
        sim.Post(c.message, c.wParam);
        sim.Pump();
        EXPECT_EQ(sim.caption(), c.caption);
        EXPECT_EQ(sim.form().State().PauseLeft, c.restartsIdle ? 10 : 6);
    }
}

TEST(SettingTime, IdleCommitFallsOnTheTickThatFindsZero) {
    SimPlatform sim;
    sim.Start();
    sim.Key(vk::Up);
    sim.Pump();
    sim.Advance(10);
    EXPECT_TRUE(sim.visible());
    EXPECT_EQ(sim.label1(), "0");
    sim.Advance(1); // the eleventh tick
    EXPECT_FALSE(sim.visible());
    EXPECT_FALSE(sim.userRunning());
    EXPECT_TRUE(sim.mainRunning());
    const TimerState& s = sim.form().State();
    EXPECT_TRUE(s.Running);
    EXPECT_EQ(s.LeftSeconds, 600);
    // The commit reset the idle count, and the tick still counted it down.
    EXPECT_EQ(s.PauseLeft, 9);
    EXPECT_EQ(sim.label1(), "9");
}

TEST(SettingTime, DoingNothingClosesOnTheEleventhTick) {
    SimPlatform sim;
    sim.Start();
    sim.Advance(10);
    EXPECT_FALSE(sim.closeRequested());
    sim.Advance(1);
    EXPECT_TRUE(sim.ended());
    EXPECT_EQ(sim.userTicks(), 11);
    // The close only asked the loop to stop: the tick handler finished.
    EXPECT_EQ(sim.label1(), "-1");
    EXPECT_TRUE(sim.RecordsOf("open").empty());
}

TEST(SettingTime, EscapeCommitsAtOnce) {
    SimPlatform off;
    off.Start();
    off.Key(vk::Escape);
    off.Pump();
    EXPECT_TRUE(off.ended());

    SimPlatform set;
    set.Start();
    set.Key(vk::Up);
    set.Key(vk::Escape);
    set.Pump();
    EXPECT_FALSE(set.closeRequested());
    EXPECT_FALSE(set.visible());
    EXPECT_TRUE(set.mainRunning());
}

TEST(SettingTime, PauseSettingsOfZeroAndBelow) {
    SimPlatform zero;
    zero.settingsText = "[Timer]\r\nTimePause=0\r\n";
    zero.Start();
    zero.Key(vk::Up);
    zero.Pump();
    zero.Advance(1);
    EXPECT_FALSE(zero.visible()); // committed on the first tick after the input

    SimPlatform negative;
    negative.settingsText = "[Timer]\r\nTimePause=-1\r\n";
    negative.Start();
    negative.Key(vk::Up);
    negative.Pump();
    negative.Advance(600);
    EXPECT_TRUE(negative.visible()); // only Escape commits
    negative.Key(vk::Escape);
    negative.Pump();
    EXPECT_FALSE(negative.visible());
}

TEST(SettingTime, TheSmallestPauseCountsDownWithoutOverflow) {
    SimPlatform sim;
    sim.settingsText = "[Timer]\r\nTimePause=-2147483648\r\n";
    sim.Start();
    sim.Advance(3);
    EXPECT_EQ(sim.label1(), "2147483645"); // wrapped like a 32-bit register
    EXPECT_TRUE(sim.visible());
}

} // namespace
