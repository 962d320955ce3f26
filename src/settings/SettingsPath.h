// Where the settings file lies: "Dormo.INI" in the executable's directory.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view SettingsFileName = "Dormo.INI";

// The executable's full path up to and including its last separator, followed
// by the file name. Windows paths end their directory at "\" or ":"; a POSIX
// front end passes "/".
std::string SettingsPathBeside(std::string_view executablePath,
                               std::string_view separators = "\\:");
