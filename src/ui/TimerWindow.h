// The timer window as the logic sees it: shown, hidden, closed and placed.
// Owned by the front end; lives until the program ends.
#pragma once

class TimerWindow {
public:
    virtual ~TimerWindow() = default;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Asks the event loop to end once the handler that is running returns; the
    // caller's remaining steps still run. From then on no tick and no input
    // reaches the program's handlers, and a message dialog that is open at this
    // moment is dismissed so that the loop can end; a dialog opened after the
    // close still waits for the user.
    virtual void Close() = 0;
    virtual bool IsVisible() const = 0;

    // Outer position in screen pixels. Not checked against the screen.
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    // Outer size in screen pixels (the client area: the window has no border).
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};
