// The Linux front end's own pure parts: splitting a command's parameters,
// naming keys for the input hook, and where the settings file lies.
#include "InputHook.h"
#include "SettingsLocation.h"
#include "ShellWords.h"
#include "ui/Messages.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <QKeyEvent>
#include <QWheelEvent>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

struct SplitCase {
    const char* text;
    std::optional<Words> words; // nothing: the text is refused
};

const SplitCase SplitCases[] = {
    {"", Words{}},
    {"  \t ", Words{}},
    {"-s -t 0", Words{"-s", "-t", "0"}},
    {"  poweroff  ", Words{"poweroff"}},
    // Quotes group blanks; the quotes themselves go.
    {"--title 'Good night' \"two  words\"", Words{"--title", "Good night", "two  words"}},
    // Quoted and unquoted parts join into one word; an empty pair is a word.
    {"a'b'\"c\"d '' \"\"", Words{"abcd", "", ""}},
    // Nothing is expanded, no shell runs: $, ~, * and ; stay as they are.
    {"$HOME ~ *.txt a;b `x`", Words{"$HOME", "~", "*.txt", "a;b", "`x`"}},
    // Backslash: outside quotes it keeps the next character; in double quotes
    // only before $ ` " \ ; in single quotes never.
    {R"(a\ b \"c\" "x\"y" "p\q" 'r\s')", Words{"a b", "\"c\"", "x\"y", "p\\q", "r\\s"}},
    {"end\\", Words{"end\\"}},
    {"'open", std::nullopt},
    {"\"open", std::nullopt},
    {"a \"b\\\"", std::nullopt},
};

TEST(ShellWords, SplitsLikeAPosixShellWithoutExpanding) {
    for (const SplitCase& c : SplitCases)
        EXPECT_EQ(SplitShellWords(c.text), c.words) << "text: " << c.text;
}

struct KeyCase {
    int qtKey;
    std::uint32_t code;
};

// The keys the hook acts on, and a few others that must not be mistaken for
// them ('%' is 0x25 in ASCII, VK_LEFT's number).
const KeyCase KeyCases[] = {
    {Qt::Key_Up, vk::Up},       {Qt::Key_Down, vk::Down},     {Qt::Key_Left, vk::Left},
    {Qt::Key_Right, vk::Right}, {Qt::Key_Escape, vk::Escape}, {Qt::Key_A, 0x41},
    {Qt::Key_Percent, 0xFF},    {Qt::Key_Ampersand, 0xFF},    {Qt::Key_ParenLeft, 0xFF},
    {Qt::Key_F10, 0x79},        {Qt::Key_Return, 0x0D},
};

TEST(InputHook, NamesKeysWithTheirVirtualKeyCodes) {
    for (const KeyCase& c : KeyCases)
        EXPECT_EQ(VirtualKeyFor(c.qtKey), c.code) << "Qt key " << c.qtKey;
}

TEST(InputHook, AltAndF10AreSystemKeysTheWheelCarriesItsSign) {
    const QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    const QKeyEvent altUp(QEvent::KeyPress, Qt::Key_Up, Qt::AltModifier);
    const QKeyEvent f10(QEvent::KeyPress, Qt::Key_F10, Qt::NoModifier);
    EXPECT_EQ(HookMessageFor(up)->message, msg::KeyDown);
    EXPECT_EQ(HookMessageFor(altUp)->message, msg::SysKeyDown);
    EXPECT_EQ(HookMessageFor(f10)->message, msg::SysKeyDown);

    const auto wheel = [](int y) {
        return QWheelEvent(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, y), Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
    };
    // Away from the user: a positive high half, so the word is positive.
    EXPECT_EQ(HookMessageFor(wheel(120))->wParam, WheelParam(120));
    EXPECT_GT(static_cast<std::int32_t>(HookMessageFor(wheel(120))->wParam), 0);
    EXPECT_LT(static_cast<std::int32_t>(HookMessageFor(wheel(-120))->wParam), 0);
    EXPECT_FALSE(HookMessageFor(wheel(0)).has_value()); // a horizontal turn
}

TEST(SettingsLocation, ACopyBesideTheProgramWinsOverTheConfigDirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string root = dir.path().toStdString();
    const std::string program = root + "/bin/dormo";
    std::filesystem::create_directories(root + "/bin");

    EXPECT_EQ(SettingsFilePath(program, root + "/config"), root + "/config/dormo/Dormo.INI");
    EXPECT_EQ(SettingsFilePath(program, root + "/config/"), root + "/config/dormo/Dormo.INI");

    std::ofstream(root + "/bin/Dormo.INI") << "[Timer]\n";
    EXPECT_EQ(SettingsFilePath(program, root + "/config"), root + "/bin/Dormo.INI");
}

} // namespace
