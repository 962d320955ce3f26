#include "ui/win32/Win32Services.h"

#include "settings/SettingsPath.h"
#include "ui/TForm1Definition.h"

#include <windows.h>

#include <shellapi.h>

#include <vector>

namespace {

// The path of the running executable, however long.
std::string ExecutablePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

// The application title as the message boxes' caption.
const std::string& Title() {
    static const std::string title(TForm1Definition::ApplicationTitle);
    return title;
}

constexpr UINT BoxStyle = MB_OK | MB_TASKMODAL | MB_TOPMOST;

// How long a read or write of the settings file waits for another copy's;
// past that it goes on unguarded rather than keep the program from starting.
constexpr DWORD SettingsLockTimeout = 5000;

} // namespace

int Win32Screen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int Win32Screen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

int Win32Screen::PixelsPerInch() const {
    HDC screen = GetDC(nullptr);
    const int ppi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return ppi > 0 ? ppi : TForm1Definition::DesignPixelsPerInch;
}

// No "Global\" prefix: the name lives in this session's own namespace.
Win32SettingsFile::Win32SettingsFile()
    : path_(SettingsPathBeside(ExecutablePath())),
      lock_(CreateMutexA(nullptr, FALSE, (Title() + ".Settings").c_str())) {}

std::string Win32SettingsFile::Read(const std::string& section, const std::string& key,
                                    const std::string& fallback) const {
    const MutexLock hold(lock_.get(), SettingsLockTimeout);
    char buffer[2048];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                  buffer, sizeof buffer, path_.c_str());
    return std::string(buffer, length);
}

bool Win32SettingsFile::Write(const std::string& section, const std::string& key,
                              const std::string& value) {
    const MutexLock hold(lock_.get(), SettingsLockTimeout);
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()) !=
           FALSE;
}

int Win32Shell::Open(const std::string& file, const std::string& parameters) {
    HINSTANCE result =
        ShellExecuteA(nullptr, "open", file.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

void Win32Dialogs::ShowMessage(const std::u16string& text) {
    const std::wstring wide(text.begin(), text.end());
    const std::wstring caption(Title().begin(), Title().end());
    MessageBoxW(nullptr, wide.c_str(), caption.c_str(), BoxStyle);
}

void Win32Dialogs::ShowError(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), Title().c_str(), BoxStyle | MB_ICONERROR);
}
