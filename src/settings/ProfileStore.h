// A portable profile-file store: keys in sections of an INI file, read and
// written with the rules of the Windows profile functions, for platforms that
// have none. Section and key names match without regard to case; a read drops
// the blanks around a value and one pair of enclosing quotes and returns at
// most 2047 characters, ending at a NUL as the system's C strings do; a missing or unreadable file
// reads as empty. A write changes only its own key's line (or adds the key at the end of its
// section, or the section at the end of the file), keeps every other byte and the file's own line
// ends, and replaces the file in one step, so a write cut short never leaves a half-written file.
// Writes from several processes at once take turns, so none is lost.
#pragma once

#include "ui/SettingsFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace profile {

inline constexpr std::size_t MaxValueLength = 2047;

// The value of `key` in `section` of an INI text, or `fallback`.
std::string ReadFromText(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view fallback);
// The INI text after writing `key=value` in `section`; nothing when the write
// cannot be represented (a line break or NUL in any argument, "=" in the key,
// a key that starts with ";" or "[", "]" in the section, an empty key or
// section).
std::optional<std::string> WriteToText(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value);

// The same over a file on disk.
std::string ReadString(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view fallback);
// False when refused: the directory is missing or not writable, the file
// exists but cannot be read or written, or the path is not a regular file.
bool WriteString(const std::string& path, std::string_view section, std::string_view key,
                 std::string_view value);

} // namespace profile

// The settings file of a front end that uses the portable store.
class PortableSettingsFile final : public SettingsFile {
public:
    explicit PortableSettingsFile(std::string path) : path_(std::move(path)) {}
    std::string Path() const override { return path_; }
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& fallback) const override {
        return profile::ReadString(path_, section, key, fallback);
    }
    bool Write(const std::string& section, const std::string& key,
               const std::string& value) override {
        return profile::WriteString(path_, section, key, value);
    }

private:
    std::string path_;
};
