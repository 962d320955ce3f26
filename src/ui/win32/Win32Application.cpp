#include "ui/win32/Win32Application.h"

#include "ui/win32/Win32Ticker.h"

#include <string>

namespace {

constexpr UINT ActivationMessage = WM_APP + 1;

// Hook procedures carry no context of their own: the thread's one
// application object is found here while it lives.
thread_local Win32Application* threadApplication = nullptr;

std::string Title() {
    return std::string(TForm1Definition::ApplicationTitle);
}

bool IsInput(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSEWHEEL);
}

BOOL CALLBACK DismissMessageBox(HWND window, LPARAM) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770")
        EndDialog(window, IDOK);
    return TRUE;
}

} // namespace

Win32Application::Win32Application(HINSTANCE instance)
    : instance_(instance),
      handOverMessage_(RegisterWindowMessageA((Title() + ".HandOver").c_str())) {
    threadApplication = this;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.lpszClassName = ClassName;
    RegisterClassA(&windowClass);
    // Never shown, and a tool window so that it never has a taskbar entry.
    window_.reset(CreateWindowExA(WS_EX_TOOLWINDOW, ClassName, Title().c_str(), WS_POPUP, 0, 0, 0,
                                  0, nullptr, nullptr, instance, this));
    filter_.reset(SetWindowsHookExA(WH_MSGFILTER, MessageFilter, nullptr, GetCurrentThreadId()));
}

Win32Application::~Win32Application() {
    filter_.reset();
    window_.reset();
    threadApplication = nullptr;
}

bool Win32Application::ClaimInstance() {
    // No "Global\" prefix: the name lives in this session's own namespace.
    const std::string name = Title() + ".SingleInstance";
    mutex_.reset(CreateMutexA(nullptr, FALSE, name.c_str()));
    const DWORD error = GetLastError();
    return mutex_ && error != ERROR_ALREADY_EXISTS;
}

void Win32Application::HandOver() const {
    HWND other = nullptr;
    while ((other = FindWindowExA(nullptr, other, ClassName, Title().c_str())) != nullptr) {
        if (other != window_.get())
            break;
    }
    if (other == nullptr)
        return;
    DWORD process = 0;
    GetWindowThreadProcessId(other, &process);
    AllowSetForegroundWindow(process);
    // Not every window system reports a foreground change to the other
    // process as its activation: ask the running copy to activate itself too.
    PostMessageA(other, handOverMessage_, 0, 0);
    if (IsIconic(other))
        ShowWindow(other, SW_RESTORE);
    else
        SetForegroundWindow(other);
}

void Win32Application::Attach(TForm1& form, HWND mainWindow, bool firstCopy) {
    form_ = &form;
    mainWindow_ = mainWindow;
    firstCopy_ = firstCopy;
}

void Win32Application::AddTicker(Win32Ticker& ticker) {
    for (auto& slot : tickers_) {
        if (slot == nullptr) {
            slot = &ticker;
            return;
        }
    }
}

int Win32Application::Run() {
    if (closing_ || !firstCopy_)
        return 0;
    looping_ = true;
    ShowWindow(mainWindow_, SW_SHOW);
    SetForegroundWindow(mainWindow_);
    MSG message{};
    while (!closing_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
        Hook(message);
        if (closing_)
            break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    looping_ = false;
    return 0;
}

void Win32Application::RequestClose() {
    if (closing_)
        return;
    closing_ = true;
    for (auto* ticker : tickers_) {
        if (ticker != nullptr)
            ticker->Stop();
    }
    EnumThreadWindows(GetCurrentThreadId(), DismissMessageBox, 0);
}

void Win32Application::Hook(const MSG& message) {
    if (DeliversInput())
        form_->AppOnMessage(message.message, static_cast<std::uint32_t>(message.wParam));
}

void Win32Application::DialogMessage(const MSG& message) {
    // A message box's loop may offer the same message to the filter more
    // than once; the hook sees it once.
    const MSG& last = lastDialogMessage_;
    if (message.hwnd == last.hwnd && message.message == last.message &&
        message.wParam == last.wParam && message.lParam == last.lParam &&
        message.time == last.time && message.pt.x == last.pt.x && message.pt.y == last.pt.y)
        return;
    lastDialogMessage_ = message;
    if (IsInput(message.message))
        Hook(message);
}

void Win32Application::ActivateApp(bool active) {
    if (!active) {
        active_ = false;
        return;
    }
    if (active_)
        return;
    active_ = true;
    PostActivation();
}

void Win32Application::PostActivation() {
    if (activationPosted_)
        return;
    activationPosted_ = true;
    PostMessageA(window_.get(), ActivationMessage, 0, 0);
}

void Win32Application::Tick(void (TForm1::*handler)()) {
    if (looping_ && DeliversInput())
        (form_->*handler)();
}

void Win32Application::MenuClick(TForm1Definition::MenuItem item) {
    if (DeliversInput())
        form_->MenuClick(item);
}

LRESULT Win32Application::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ActivationMessage) {
        activationPosted_ = false;
        if (looping_ && DeliversInput())
            form_->AppOnActivate();
        return 0;
    }
    if (message == handOverMessage_) {
        // A copy whose window is hidden is not the application the user is
        // in, whatever the window system's bookkeeping says.
        const bool shown = mainWindow_ != nullptr && IsWindowVisible(mainWindow_);
        if (!(active_ && shown)) {
            active_ = true;
            PostActivation();
        }
        return 0;
    }
    switch (message) {
    case WM_ACTIVATEAPP:
        ActivateApp(wParam != FALSE);
        return 0;
    case WM_TIMER:
        for (auto* ticker : tickers_) {
            if (ticker != nullptr && ticker->Id() == wParam)
                ticker->Fired();
        }
        return 0;
    default:
        return DefWindowProcA(window_.get(), message, wParam, lParam);
    }
}

LRESULT CALLBACK Win32Application::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Application*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr || self->window_.get() != window)
        return DefWindowProcA(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT CALLBACK Win32Application::MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && threadApplication != nullptr) {
        threadApplication->DialogMessage(*reinterpret_cast<const MSG*>(lParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
