// The timer window `TForm1` as a Win32 window: a borderless, always-on-top
// popup with the rounded outline, the big label `LMDLabel1` covering it, the
// status labels `Label1` and `Label2` below its visible area and the context
// menu `PopupMenu1`. Owned by WinMain; lives until the program ends.
#pragma once

#include "ui/BigLabel.h"
#include "ui/Screen.h"
#include "ui/StatusLabel.h"
#include "ui/TimerWindow.h"
#include "ui/win32/Win32Application.h"
#include "ui/win32/Win32Handles.h"

#include <windows.h>

#include <optional>
#include <string>

// `LMDLabel1`: a child window of its own class that paints its window text in
// one centred line, opaque black behind it.
class Win32BigLabel final : public BigLabel {
public:
    Win32BigLabel(HWND parent, HINSTANCE instance, int pixelsPerInch);
    void SetCaption(const std::string& caption) override;
    void SetFontColor(Rgb color) override;
    void SetFontName(const std::string& name) override;
    void SetFontHeight(int pixels) override;

    static constexpr const char* ClassName = "DormoBigLabel";

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void RebuildFont();

    HWND window_ = nullptr; // a child: destroyed with the form
    UniqueFont font_;
    UniqueBrush background_;
    COLORREF color_;
    std::string fontName_;
    int fontHeight_;
};

// `Label1` and `Label2`: plain static controls.
class Win32StatusLabel final : public StatusLabel {
public:
    Win32StatusLabel(HWND parent, HINSTANCE instance, const TForm1Definition::LabelBox& box,
                     std::string_view caption, std::string_view fontName, int fontHeight,
                     int pixelsPerInch);
    void SetCaption(const std::string& caption) override;

private:
    HWND window_ = nullptr;
    UniqueFont font_;
};

class Win32Form final : public TimerWindow {
public:
    Win32Form(Win32Application& application, const Screen& screen);
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    HWND Handle() const { return window_.get(); }
    BigLabel& LMDLabel1() { return *bigLabel_; }
    StatusLabel& Label1() { return *label1_; }
    StatusLabel& Label2() { return *label2_; }

    void Show() override;
    void Hide() override;
    void Close() override;
    bool IsVisible() const override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    int Width() const override { return width_; }
    int Height() const override { return height_; }

    static constexpr const char* ClassName = "TForm1";

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OpenMenu(LPARAM at);
    POINT Position() const;

    Win32Application& application_;
    int width_;
    int height_;
    UniqueBrush background_;
    UniqueWindow window_;
    UniqueMenu menu_;
    std::optional<Win32BigLabel> bigLabel_;
    std::optional<Win32StatusLabel> label1_;
    std::optional<Win32StatusLabel> label2_;
};
