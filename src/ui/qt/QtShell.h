// "Open" on Linux: a file that names a program (a path with the run bit, or a
// name found on PATH) is started detached with its parameters split like
// shell words; anything else is opened with the desktop's default
// application. Returns the shell's numbers of the seam: above 32 is success.
// Owned by the front end.
#pragma once

#include "ui/Shell.h"

class QtShell final : public Shell {
public:
    // Numbers this shell returns.
    static constexpr int Started = 33;
    static constexpr int FileNotFound = 2; // also: the program would not start
    static constexpr int NoAssociation = 31;

    int Open(const std::string& file, const std::string& parameters) override;
    // None of its own: the settings file is opened as a document.
    std::string TextEditor() const override { return {}; }
};
