// The operating system's shell: carries out "open" on a file with parameters.
#pragma once

#include <string>

class Shell {
public:
    virtual ~Shell() = default;

    // Opens a program or document, parameters passed as one string, in a
    // normal window; does not wait. Returns the shell's number: above 32 is
    // success, 32 or less a refusal.
    virtual int Open(const std::string& file, const std::string& parameters) = 0;
    // The text editor that opens the settings file, given the file's path as
    // its parameters. Empty: open the settings file itself with the desktop's
    // default application.
    virtual std::string TextEditor() const = 0;
};
