#include "sim/SimPlatform.h"

#include <gtest/gtest.h>

namespace {

using TForm1Definition::MenuItem;

struct MenuCase {
    const char* name;
    MenuItem item;
    std::string textEditor;
    std::string opened; // file|parameters, empty when nothing is started
};

TEST(Launcher, MenuItemsStartTheirCommands) {
    const MenuCase cases[] = {
        {"command 1", MenuItem::StartCommand11, "notepad.exe", "C:\\tools\\warn.exe|-q \"x y\""},
        {"command 2", MenuItem::StartCommand21, "notepad.exe", "shutdown.exe|-s -t 0"},
        {"editor", MenuItem::EditINIfile1, "notepad.exe",
         "notepad.exe|C:\\Program Files\\Dormo\\Dormo.INI"},
        // Without an editor of its own the front end opens the file itself.
        {"document", MenuItem::EditINIfile1, "", "C:\\Program Files\\Dormo\\Dormo.INI|"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimPlatform sim;
        sim.textEditor = c.textEditor;
        sim.settingsText = "[AppStart]\r\nFileName1=C:\\tools\\warn.exe\r\nParam1=-q \"x y\"\r\n";
        sim.Start();
        sim.Menu(c.item);
        ASSERT_EQ(sim.RecordsOf("open").size(), 1u);
        EXPECT_EQ(sim.RecordsOf("open")[0].detail, c.opened);
        EXPECT_TRUE(sim.dialogs().empty());
    }
}

TEST(Launcher, EmptyFileStartsNothingAndSaysNothing) {
    SimPlatform sim;
    sim.Start();
    sim.Menu(MenuItem::StartCommand11);
    EXPECT_TRUE(sim.RecordsOf("open").empty());
    EXPECT_TRUE(sim.dialogs().empty());
}

TEST(Launcher, OnlyNumbersAbove32AreSuccess) {
    const std::pair<int, bool> cases[] = {{33, true}, {42, true}, {32, false},
                                          {2, false}, {0, false}, {-1, false}};
    for (const auto& [result, started] : cases) {
        SCOPED_TRACE(result);
        SimPlatform sim;
        sim.shellResults["shutdown.exe"] = result;
        sim.Start();
        sim.Menu(MenuItem::StartCommand21);
        EXPECT_EQ(sim.dialogs().size(), started ? 0u : 1u);
        if (!started) {
            EXPECT_FALSE(sim.dialogs()[0].error);
            EXPECT_EQ(sim.dialogs()[0].text,
                      u"Ошибка!\n\rНеправильные параметры командной строки.");
        }
        // A test start is only a test: the program goes on.
        EXPECT_FALSE(sim.closeRequested());
    }
}

TEST(Launcher, EditorOpensTheRunningProgramsFileWhereverItWasRead) {
    SimPlatform sim;
    sim.settingsPath = "D:\\portable\\Dormo.INI";
    sim.Start();
    sim.Menu(MenuItem::EditINIfile1);
    EXPECT_EQ(sim.RecordsOf("open")[0].detail, "notepad.exe|D:\\portable\\Dormo.INI");
}

} // namespace
