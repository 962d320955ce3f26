#include "settings/SettingsPath.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsPath, BesideTheExecutable) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"C:\\Program Files\\Dormo\\Dormo.exe", "\\:", "C:\\Program Files\\Dormo\\Dormo.INI"},
        {"C:Dormo.exe", "\\:", "C:Dormo.INI"},
        {"\\\\server\\share\\d.exe", "\\:", "\\\\server\\share\\Dormo.INI"},
        {"Dormo.exe", "\\:", "Dormo.INI"},
        {"/usr/local/bin/dormo", "/", "/usr/local/bin/Dormo.INI"},
    };
    for (const auto& [exe, separators, path] : cases)
        EXPECT_EQ(SettingsPathBeside(exe, separators), path) << exe;
}

} // namespace
