// Starts command 1, command 2 and the settings editor through the shell and
// reports a start that the shell refused. Reads the commands from the
// program's `TimerState`; lives as long as the window.
#pragma once

#include "timer/TimerState.h"
#include "ui/Platform.h"

#include <string>

// What `StartCommand` starts: command 1, command 2 or the settings editor.
enum class CommandKind { Command1 = 1, Command2 = 2, SettingsEditor = 3 };

// The program's own message for a refused start: "Error! Wrong command-line
// parameters." with a line feed and a carriage return between its sentences.
inline constexpr char16_t StartFailedText[] =
    u"\u041E\u0448\u0438\u0431\u043A\u0430!\n\r"
    u"\u041D\u0435\u043F\u0440\u0430\u0432\u0438\u043B\u044C\u043D\u044B\u0435 "
    u"\u043F\u0430\u0440\u0430\u043C\u0435\u0442\u0440\u044B "
    u"\u043A\u043E\u043C\u0430\u043D\u0434\u043D\u043E\u0439 "
    u"\u0441\u0442\u0440\u043E\u043A\u0438.";

// A file and its parameters, as the shell gets them.
struct CommandLine {
    std::string file;
    std::string parameters;
};

class Launcher {
public:
    Launcher(const TimerState& state, const Platform& platform);

    // The file and parameters of a kind; the editor's path is built anew.
    CommandLine CommandFor(CommandKind kind) const;
    // Asks the shell to open the kind's file. True when it started or when the
    // file is empty (nothing to start); false when the shell refused.
    bool Launch(CommandKind kind);
    // Shows the refusal message and waits until it is dismissed.
    void ReportFailure();
    // Launch, and report a refusal at once.
    void StartCommand(CommandKind kind);

    void StartCommand11Click() { StartCommand(CommandKind::Command1); }
    void StartCommand21Click() { StartCommand(CommandKind::Command2); }
    void EditINIfile1Click() { StartCommand(CommandKind::SettingsEditor); }

private:
    const TimerState& state_;
    Platform platform_;
};
