#include "sim/SimPlatform.h"
#include "ui/Messages.h"

#include <gtest/gtest.h>

namespace {

// The road of a typical use with the default settings, step by step.
TEST(TypicalUse, ThirtyMinutesFromStartToShutdown) {
    SimPlatform sim;

    // 1. First start: the file gets its twelve keys; "OFF" in yellow, centred.
    sim.Start();
    EXPECT_EQ(sim.RecordsOf("write").size(), 12u);
    EXPECT_EQ(sim.caption(), "OFF");
    EXPECT_EQ(sim.color(), colors::Yellow);
    EXPECT_EQ(sim.left(), 1920 / 2 - 392 / 2);

    // 2. Three presses of the up arrow, each restarting the idle count.
    for (const char* expected : {"10", "20", "30"}) {
        sim.Advance(3);
        sim.Key(vk::Up);
        sim.Pump();
        EXPECT_EQ(sim.caption(), expected);
        EXPECT_EQ(sim.color(), colors::Lime);
        EXPECT_EQ(sim.form().State().PauseLeft, 10);
    }

    // 3. The eleventh idle tick commits: hidden, counting from 1800.
    sim.Advance(10);
    EXPECT_TRUE(sim.visible());
    sim.Advance(1);
    EXPECT_FALSE(sim.visible());
    EXPECT_EQ(sim.form().State().LeftSeconds, 1800);

    // 4. A second start activates this copy: shown, countdown paused; after
    //    the idle time it hides again and goes on.
    sim.Advance(600);
    sim.Activate();
    sim.Pump();
    EXPECT_TRUE(sim.visible());
    EXPECT_FALSE(sim.mainRunning());
    EXPECT_EQ(sim.caption(), "21"); // 1200 s left, countdown display
    sim.Advance(11);
    EXPECT_FALSE(sim.visible());
    EXPECT_TRUE(sim.mainRunning());

    // 5. The tick that finds 60 brings the window back with "59" in red;
    //    command 1 is empty, so nothing starts.
    sim.Advance(1200 - 60);
    EXPECT_FALSE(sim.visible());
    sim.Advance(1);
    EXPECT_TRUE(sim.visible());
    EXPECT_EQ(sim.caption(), "59");
    EXPECT_EQ(sim.color(), colors::Red);
    EXPECT_TRUE(sim.RecordsOf("open").empty());

    // 6. The tick that finds zero starts the shutdown and the program closes.
    sim.Advance(59);
    EXPECT_FALSE(sim.closeRequested());
    sim.Advance(1);
    EXPECT_EQ(sim.RecordsOf("open"), (std::vector<SimRecord>{{"open", "shutdown.exe|-s -t 0"}}));
    EXPECT_TRUE(sim.ended());
    EXPECT_TRUE(sim.dialogs().empty());
}

} // namespace
