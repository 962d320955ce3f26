#include "launch/Launcher.h"

namespace {
// The shell's numbers above this one mean the file was opened.
constexpr int LastShellError = 32;
} // namespace

Launcher::Launcher(const TimerState& state, const Platform& platform)
    : state_(state), platform_(platform) {}

CommandLine Launcher::CommandFor(CommandKind kind) const {
    switch (kind) {
    case CommandKind::Command1:
        return {state_.FileName1, state_.Param1};
    case CommandKind::Command2:
        return {state_.FileName2, state_.Param2};
    case CommandKind::SettingsEditor:
        break;
    }
    const std::string path = platform_.settings.Path();
    const std::string editor = platform_.shell.TextEditor();
    if (editor.empty())
        return {path, ""};
    return {editor, path};
}

bool Launcher::Launch(CommandKind kind) {
    const CommandLine command = CommandFor(kind);
    if (command.file.empty())
        return true;
    return platform_.shell.Open(command.file, command.parameters) > LastShellError;
}

void Launcher::ReportFailure() {
    platform_.dialogs.ShowMessage(StartFailedText);
}

void Launcher::StartCommand(CommandKind kind) {
    if (!Launch(kind))
        ReportFailure();
}
