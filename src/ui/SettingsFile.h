// The settings file as a profile-file service: keys in sections, read with a
// default and written back. Each call opens and releases the file itself.
#pragma once

#include <string>

class SettingsFile {
public:
    virtual ~SettingsFile() = default;

    // Full path of the settings file, the one that reads and writes use and
    // that the settings editor is opened on.
    virtual std::string Path() const = 0;
    // The value with the blanks around it and one pair of enclosing quotes
    // dropped, at most 2047 characters; the default when the key is absent
    // or the file cannot be read.
    virtual std::string Read(const std::string& section, const std::string& key,
                             const std::string& fallback) const = 0;
    // False when the write was refused; the file is then left as it was.
    virtual bool Write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};
