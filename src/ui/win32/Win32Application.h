// The application object: a hidden top-level window titled "Dormo" that is
// the instance's identity, the single-instance guard, the event loop that
// hands every queued message to the form's input hook before dispatching it,
// the activation event, and the request to end. One per process, created
// first in WinMain and kept until the process ends.
#pragma once

#include "ui/TForm1.h"
#include "ui/win32/Win32Handles.h"

#include <windows.h>

#include <array>

class Win32Ticker;

class Win32Application {
public:
    explicit Win32Application(HINSTANCE instance);
    ~Win32Application();
    Win32Application(const Win32Application&) = delete;
    Win32Application& operator=(const Win32Application&) = delete;

    HINSTANCE Instance() const { return instance_; }
    HWND Handle() const { return window_.get(); }

    // Claims the identity for this session; false for a second copy, and
    // also when the claim could not be made.
    bool ClaimInstance();
    // A second copy: brings the running copy's window back.
    void HandOver() const;

    // From now on events go to `form`; a second copy delivers none.
    void Attach(TForm1& form, HWND mainWindow, bool firstCopy);
    void AddTicker(Win32Ticker& ticker);
    // Shows the main window and runs the loop until the window is closed.
    int Run();
    // Asks the loop to end once the running handler returns; dismisses the
    // message boxes that are open now.
    void RequestClose();

    // Called by the windows' procedures.
    void ActivateApp(bool active);
    void Tick(void (TForm1::*handler)());
    void MenuClick(TForm1Definition::MenuItem item);
    // A message taken from the queue of a message box's own loop.
    void DialogMessage(const MSG& message);

    static constexpr const char* ClassName = "DormoApplication";

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void PostActivation();
    bool DeliversInput() const { return form_ != nullptr && firstCopy_ && !closing_; }
    void Hook(const MSG& message);

    HINSTANCE instance_;
    UniqueWindow window_;
    UniqueHandle mutex_;
    UniqueHook filter_;
    UINT handOverMessage_;
    TForm1* form_ = nullptr;
    HWND mainWindow_ = nullptr;
    std::array<Win32Ticker*, 2> tickers_{};
    bool firstCopy_ = false;
    bool looping_ = false;
    bool closing_ = false;
    bool active_ = false;
    bool activationPosted_ = false;
    MSG lastDialogMessage_{};
};
