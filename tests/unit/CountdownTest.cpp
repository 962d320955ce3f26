#include "sim/SimPlatform.h"
#include "ui/Messages.h"

#include <gtest/gtest.h>

namespace {

// A timer set `steps` steps up (in test mode by default, one minute each) and
// committed with Escape, so the countdown starts at a known moment.
void StartCountdown(SimPlatform& sim, int steps, std::string file = "[Timer]\r\nTest=1\r\n") {
    sim.settingsText = std::move(file);
    sim.Start();
    for (int i = 0; i < steps; ++i)
        sim.Key(vk::Up);
    sim.Key(vk::Escape);
    sim.Pump();
    ASSERT_TRUE(sim.mainRunning());
    sim.ClearRecords();
}

std::vector<std::string> Opened(const SimPlatform& sim) {
    std::vector<std::string> opened;
    for (const auto& r : sim.RecordsOf("open"))
        opened.push_back(r.detail);
    return opened;
}

TEST(Countdown, WholeCycleCountsTicksAndStartsBothCommands) {
    // L = 60 and 600: the final minute on tick L-59, command 2 on tick L+1.
    for (const int minutes : {1, 10}) {
        SCOPED_TRACE(minutes);
        SimPlatform sim;
        StartCountdown(sim, minutes,
                       "[Timer]\r\nTest=1\r\n[AppStart]\r\nFileName1=warn.exe\r\nParam1=soon\r\n");
        const int L = minutes * 60;
        for (int tick = 1; tick < L - 59; ++tick)
            sim.NextTick();
        EXPECT_FALSE(sim.visible());
        EXPECT_TRUE(Opened(sim).empty());
        if (L > 60) {
            EXPECT_EQ(sim.caption(), "60"); // 60 seconds left, drawn red while hidden
        }

        sim.NextTick(); // tick L-59 finds 60
        EXPECT_TRUE(sim.visible());
        EXPECT_EQ(sim.caption(), "59");
        EXPECT_EQ(sim.color(), colors::Red);
        EXPECT_EQ(Opened(sim), (std::vector<std::string>{"warn.exe|soon"}));
        EXPECT_TRUE(sim.form().State().LastMinute);
        EXPECT_TRUE(sim.mainRunning());
        EXPECT_FALSE(sim.userRunning());

        for (int tick = L - 58; tick <= L; ++tick)
            sim.NextTick();
        EXPECT_EQ(sim.caption(), "OFF");
        EXPECT_EQ(sim.color(), colors::Red);
        EXPECT_FALSE(sim.closeRequested());

        sim.NextTick(); // tick L+1 finds 0
        EXPECT_EQ(Opened(sim), (std::vector<std::string>{"warn.exe|soon", "shutdown.exe|-s -t 0"}));
        EXPECT_TRUE(sim.ended());
        EXPECT_EQ(sim.mainTicks(), L + 1);
        EXPECT_EQ(sim.label2(), "0:0-1"); // the tick finished after the close
    }
}

TEST(Countdown, StatusLabelAndDisplayWhileHidden) {
    SimPlatform sim;
    StartCountdown(sim, 3, ""); // three default steps: 30 minutes
    sim.NextTick();
    EXPECT_EQ(sim.label2(), "29:59");
    EXPECT_EQ(sim.caption(), "30"); // 1799 s: 29 whole minutes and a started one
    EXPECT_EQ(sim.color(), colors::Lime);
}

TEST(Countdown, EmptyCommandsStartNothing) {
    SimPlatform sim;
    StartCountdown(sim, 1, "[Timer]\r\nTest=1\r\n[AppStart]\r\nFileName2=\r\n");
    sim.Advance(61);
    EXPECT_TRUE(Opened(sim).empty());
    EXPECT_TRUE(sim.dialogs().empty());
    EXPECT_TRUE(sim.ended());
}

struct ActivationCase {
    const char* name;
    int ticksBeforeActivation; // after a commit of ten minutes
    bool paused;               // countdown paused with the idle ticker running
};

TEST(Countdown, ActivationInEachPhase) {
    const ActivationCase cases[] = {
        {"counting, more than a minute left", 100, true},
        {"counting, exactly 60 left", 540, false},
        {"final minute", 545, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimPlatform sim;
        StartCountdown(sim, 10);
        for (int i = 0; i < c.ticksBeforeActivation; ++i)
            sim.NextTick();
        const std::string before = sim.caption();
        sim.Activate();
        sim.Pump();
        EXPECT_TRUE(sim.visible());
        EXPECT_EQ(sim.caption(), before); // not redrawn
        EXPECT_EQ(sim.mainRunning(), !c.paused);
        EXPECT_EQ(sim.userRunning(), c.paused);
        EXPECT_FALSE(sim.form().State().Running);
        EXPECT_EQ(sim.form().State().PauseLeft, 10);
    }
}

TEST(Countdown, PausedCountdownGoesOnAfterTheIdleTime) {
    SimPlatform sim;
    StartCountdown(sim, 10);
    sim.Advance(100);
    sim.Activate();
    sim.Pump();
    EXPECT_EQ(sim.caption(), "9"); // 500 s left
    sim.Advance(11);               // idle commit on the eleventh tick
    EXPECT_FALSE(sim.visible());
    EXPECT_EQ(sim.form().State().LeftSeconds, 500);
    sim.Advance(441); // 500 - 59
    EXPECT_TRUE(sim.visible());
    EXPECT_EQ(sim.caption(), "59");
}

TEST(Countdown, ActivationInSettingRestartsTheIdleCount) {
    SimPlatform sim;
    sim.Start();
    sim.Advance(7);
    sim.Activate();
    sim.Pump();
    EXPECT_EQ(sim.form().State().PauseLeft, 10);
    EXPECT_TRUE(sim.userRunning());
    EXPECT_FALSE(sim.mainRunning());
}

TEST(Countdown, ActivationStepToOffAndWaitClosesWithoutCommands) {
    SimPlatform sim;
    StartCountdown(sim, 3);
    sim.Advance(30);
    sim.Activate();
    sim.Key(vk::Down);
    sim.Key(vk::Down);
    sim.Key(vk::Down);
    sim.Pump();
    EXPECT_EQ(sim.caption(), "OFF");
    sim.Advance(11);
    EXPECT_TRUE(sim.ended());
    EXPECT_TRUE(Opened(sim).empty());
}

TEST(Countdown, AStepRestartsTheCountdownFromTheNewSetting) {
    SimPlatform sim;
    StartCountdown(sim, 3);
    sim.Advance(30); // 150 left
    sim.Activate();
    sim.Key(vk::Up); // from the set 3 minutes, not from what is left
    sim.Pump();
    EXPECT_EQ(sim.caption(), "4");
    EXPECT_EQ(sim.form().State().LeftSeconds, 240);
}

TEST(Countdown, AStepInTheFinalMinuteReturnsToSetting) {
    SimPlatform sim;
    StartCountdown(sim, 5);
    sim.Advance(250); // 50 left, window up in red
    ASSERT_TRUE(sim.form().State().LastMinute);
    sim.Key(vk::Up);
    sim.Pump();
    EXPECT_FALSE(sim.form().State().LastMinute);
    EXPECT_TRUE(sim.userRunning());
    EXPECT_FALSE(sim.mainRunning());
    EXPECT_EQ(sim.caption(), "6");
    EXPECT_EQ(sim.color(), colors::Lime);
    // Its order: idle ticker started before the countdown stopped.
    const auto r = sim.records();
    auto start = std::find(r.begin(), r.end(), SimRecord{"tmUser", "start"});
    auto stop = std::find(r.begin(), r.end(), SimRecord{"tmMain", "stop"});
    EXPECT_LT(start, stop);

    SimPlatform toOff;
    StartCountdown(toOff, 10);
    toOff.Advance(560);
    toOff.Key(vk::Up); // 10 is the test-mode limit: one more is "OFF"
    toOff.Pump();
    EXPECT_EQ(toOff.caption(), "OFF");
    EXPECT_EQ(toOff.color(), colors::Yellow);
}

TEST(Countdown, EscapeInTheFinalMinuteActsOnlyInTheLastSecond) {
    SimPlatform sim;
    StartCountdown(sim, 1);
    sim.Advance(30);
    sim.Key(vk::Escape);
    sim.Pump();
    EXPECT_FALSE(sim.closeRequested());
    EXPECT_TRUE(sim.mainRunning());
    sim.Advance(30); // the tick that finds 1 leaves 0: "OFF" in red
    EXPECT_EQ(sim.caption(), "OFF");
    sim.Key(vk::Escape);
    sim.Pump();
    EXPECT_TRUE(sim.ended());
    sim.Advance(5);
    EXPECT_TRUE(Opened(sim).empty()); // command 2 never started
}

// A command the shell refuses must neither stop nor repeat the countdown.
TEST(Countdown, RefusedCommandOneLetsTheCountdownGoOn) {
    SimPlatform sim;
    sim.shellResults["missing.exe"] = 2;
    sim.WhileDialogOpen([&] { sim.Advance(5); });
    StartCountdown(sim, 1, "[Timer]\r\nTest=1\r\n[AppStart]\r\nFileName1=missing.exe\r\n");
    sim.NextTick(); // finds 60
    ASSERT_EQ(sim.dialogs().size(), 1u);
    EXPECT_EQ(sim.dialogs()[0].text, u"Ошибка!\n\rНеправильные параметры командной строки.");
    EXPECT_EQ(Opened(sim), (std::vector<std::string>{"missing.exe|"}));
    // Five ticks went by inside the message; the waiting tick did not count again.
    EXPECT_EQ(sim.form().State().LeftSeconds, 54);
    EXPECT_EQ(sim.caption(), "54");
    sim.Advance(55);
    EXPECT_TRUE(sim.ended());
    EXPECT_EQ(Opened(sim), (std::vector<std::string>{"missing.exe|", "shutdown.exe|-s -t 0"}));
}

TEST(Countdown, ZeroEndsTheProgramWhileCommandOnesMessageIsOpen) {
    SimPlatform sim;
    sim.shellResults["missing.exe"] = 2;
    sim.WhileDialogOpen([&] { sim.Advance(120); }); // nobody dismisses it
    StartCountdown(sim, 1, "[Timer]\r\nTest=1\r\n[AppStart]\r\nFileName1=missing.exe\r\n");
    sim.NextTick();
    EXPECT_TRUE(sim.ended());
    EXPECT_EQ(Opened(sim), (std::vector<std::string>{"missing.exe|", "shutdown.exe|-s -t 0"}));
    ASSERT_EQ(sim.dialogs().size(), 1u);
    EXPECT_TRUE(sim.dialogs()[0].dismissedByClose);
    EXPECT_EQ(sim.mainTicks(), 61);
}

TEST(Countdown, RefusedCommandTwoWaitsForTheUserThenEnds) {
    SimPlatform sim;
    sim.shellResults["shutdown.exe"] = 5;
    bool closedWhileOpen = false;
    sim.WhileDialogOpen([&] {
        closedWhileOpen = sim.closeRequested();
        sim.Advance(10); // nothing more is delivered
        sim.Key(vk::Up);
        sim.Pump();
    });
    StartCountdown(sim, 1);
    sim.Advance(61);
    EXPECT_TRUE(closedWhileOpen);
    EXPECT_TRUE(sim.ended());
    ASSERT_EQ(sim.dialogs().size(), 1u);
    EXPECT_TRUE(sim.dialogs()[0].openedAfterClose);
    EXPECT_FALSE(sim.dialogs()[0].dismissedByClose);
    EXPECT_EQ(Opened(sim), (std::vector<std::string>{"shutdown.exe|-s -t 0"}));
    EXPECT_EQ(sim.mainTicks(), 61);
}

TEST(Countdown, KeysInTheFailureMessageReachTheTimer) {
    SimPlatform sim;
    sim.shellResults["missing.exe"] = 2;
    sim.WhileDialogOpen([&] {
        sim.Key(vk::Up); // a step taken in the message returns to setting
        sim.Pump();
    });
    StartCountdown(sim, 1, "[Timer]\r\nTest=1\r\n[AppStart]\r\nFileName1=missing.exe\r\n");
    sim.NextTick();
    EXPECT_FALSE(sim.mainRunning());
    EXPECT_TRUE(sim.userRunning());
    EXPECT_EQ(sim.form().State().LeftSeconds, 120);
    // The waiting tick's own steps ran before the message: the label shows the
    // new setting, not a countdown value.
    EXPECT_EQ(sim.caption(), "2");
}

} // namespace
