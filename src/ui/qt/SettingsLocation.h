// Where the Linux program keeps "Dormo.INI": beside the executable when a copy
// lies there (a portable copy), otherwise in the user's configuration
// directory ($XDG_CONFIG_HOME/dormo, by default ~/.config/dormo), since a
// program installed under /usr cannot write beside itself.
#pragma once

#include <string>

// The settings file's path for the executable at `executablePath`, with
// `configHome` the user's configuration directory.
std::string SettingsFilePath(const std::string& executablePath, const std::string& configHome);

// The path for this process; creates the configuration directory when the
// file goes there and the directory is missing.
std::string PrepareSettingsFile();
