// Test probe: prints Dormo's windows (the application window, the timer
// window with its child windows, and its message boxes) one per line:
// class (\"icon\" after a static control that shows an icon), process, visible, enabled, rectangle,
// text (UTF-8), styles.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    char out[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, nullptr, nullptr);
    std::string s(out);
    for (auto& c : s)
        if (c == '\n' || c == '\r')
            c = '|';
    return s;
}

void Print(const char* indent, HWND window) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    RECT r;
    GetWindowRect(window, &r);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const bool iconControl = std::string(className) == "Static" && (style & SS_TYPEMASK) == SS_ICON;
    const bool hasIcon = iconControl && SendMessageA(window, STM_GETICON, 0, 0) != 0;
    std::printf("%s%s%s pid=%lu visible=%d enabled=%d rect=%ld,%ld,%ld,%ld style=%08lx ex=%08lx "
                "text=%s\n",
                indent, className, hasIcon ? " icon" : "", pid, IsWindowVisible(window) ? 1 : 0,
                IsWindowEnabled(window) ? 1 : 0, r.left, r.top, r.right, r.bottom,
                static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)),
                Utf8(window).c_str());
}

BOOL CALLBACK Child(HWND window, LPARAM) {
    Print("  ", window);
    return TRUE;
}

BOOL CALLBACK TopLevel(HWND window, LPARAM) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    const std::string name(className);
    if (name != "DormoApplication" && name != "TForm1" && name != "#32770")
        return TRUE;
    if (Utf8(window) != "Dormo")
        return TRUE;
    Print("", window);
    if (name != "DormoApplication")
        EnumChildWindows(window, Child, 0);
    return TRUE;
}

} // namespace

int main() {
    EnumWindows(TopLevel, 0);
    std::fflush(stdout);
    return 0;
}
