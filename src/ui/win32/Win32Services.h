// The system services behind the seam on Windows: the primary screen, the
// settings file through the profile functions, the shell's "open" and the
// message boxes. Owned by WinMain for the whole run.
#pragma once

#include "ui/Dialogs.h"
#include "ui/Screen.h"
#include "ui/SettingsFile.h"
#include "ui/Shell.h"
#include "ui/win32/Win32Handles.h"

#include <string>

class Win32Screen final : public Screen {
public:
    int Width() const override;
    int Height() const override;
    int PixelsPerInch() const override;
};

// "Dormo.INI" beside the executable, through GetPrivateProfileStringA and
// WritePrivateProfileStringA. The profile functions rewrite the whole file on
// every write, so a copy starting beside another could read it half-written
// and write defaults over the user's values: each read and each write holds
// the session-wide mutex "Dormo.Settings".
class Win32SettingsFile final : public SettingsFile {
public:
    Win32SettingsFile();
    std::string Path() const override { return path_; }
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& fallback) const override;
    bool Write(const std::string& section, const std::string& key,
               const std::string& value) override;

private:
    std::string path_;
    UniqueHandle lock_;
};

class Win32Shell final : public Shell {
public:
    int Open(const std::string& file, const std::string& parameters) override;
    std::string TextEditor() const override { return "notepad.exe"; }
};

// Task-modal message boxes without an owner: centred on the screen, every
// window of the program disabled while one is open.
class Win32Dialogs final : public Dialogs {
public:
    void ShowMessage(const std::u16string& text) override;
    void ShowError(const std::string& text) override;
};
