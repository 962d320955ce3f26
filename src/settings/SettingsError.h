// The two errors that loading the settings file can raise: a value that is
// not an integer, and a write that the file refused. Either stops the load.
#pragma once

#include <stdexcept>
#include <string>

class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ConversionError : public SettingsError {
public:
    explicit ConversionError(const std::string& text)
        : SettingsError("'" + text + "' is not a valid integer value") {}
};

class WriteError : public SettingsError {
public:
    explicit WriteError(const std::string& path) : SettingsError("Unable to write to " + path) {}
};
