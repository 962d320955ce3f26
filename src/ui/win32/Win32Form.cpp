#include "ui/win32/Win32Form.h"

#include <algorithm>

namespace {

using TForm1Definition::Scaled;

COLORREF ToColorRef(Rgb color) {
    return RGB(color.red, color.green, color.blue);
}

UniqueFont MakeFont(const std::string& name, int height, BYTE charset) {
    LOGFONTA font{};
    font.lfHeight = -height; // the character height, not the cell's
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = charset;
    name.copy(font.lfFaceName, LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectA(&font));
}

template <typename T> T* Self(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

} // namespace

// --- LMDLabel1 ---------------------------------------------------------------

Win32BigLabel::Win32BigLabel(HWND parent, HINSTANCE instance, int pixelsPerInch)
    : background_(CreateSolidBrush(ToColorRef(TForm1Definition::LMDLabel1::Background))),
      color_(ToColorRef(TForm1Definition::LMDLabel1::FontColor)),
      fontName_(TForm1Definition::LMDLabel1::FontName),
      fontHeight_(Scaled(TForm1Definition::LMDLabel1::FontHeight, pixelsPerInch)) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = ClassName;
    RegisterClassA(&windowClass);
    const auto& box = TForm1Definition::LMDLabel1::Box;
    const std::string caption(TForm1Definition::LMDLabel1::Caption);
    window_ = CreateWindowExA(0, ClassName, caption.c_str(), WS_CHILD | WS_VISIBLE,
                              Scaled(box.left, pixelsPerInch), Scaled(box.top, pixelsPerInch),
                              Scaled(box.width, pixelsPerInch), Scaled(box.height, pixelsPerInch),
                              parent, nullptr, instance, this);
    RebuildFont();
}

void Win32BigLabel::SetCaption(const std::string& caption) {
    SetWindowTextA(window_, caption.c_str());
    InvalidateRect(window_, nullptr, FALSE);
}

void Win32BigLabel::SetFontColor(Rgb color) {
    color_ = ToColorRef(color);
    InvalidateRect(window_, nullptr, FALSE);
}

void Win32BigLabel::SetFontName(const std::string& name) {
    fontName_ = name;
    RebuildFont();
}

void Win32BigLabel::SetFontHeight(int pixels) {
    // Beyond these the font mapper draws nothing useful or fails.
    fontHeight_ = std::clamp(pixels, 1, 2000);
    RebuildFont();
}

void Win32BigLabel::RebuildFont() {
    font_ = MakeFont(fontName_, fontHeight_,
                     static_cast<BYTE>(TForm1Definition::LMDLabel1::CyrillicCharset));
    InvalidateRect(window_, nullptr, FALSE);
}

void Win32BigLabel::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, background_.get());
    char text[256] = {};
    const int length = GetWindowTextA(window_, text, sizeof text);
    HGDIOBJ previous = SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color_);
    DrawTextA(dc, text, length, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    EndPaint(window_, &paint);
}

LRESULT CALLBACK Win32BigLabel::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* self = Self<Win32BigLabel>(window, message, lParam);
    switch (message) {
    case WM_PAINT:
        if (self != nullptr) {
            self->Paint();
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        // `LMDLabel1MouseDown`: the system's own move, as if the title bar
        // were dragged. The right button opens the context menu instead.
        ReleaseCapture();
        SendMessageA(GetParent(window), WM_SYSCOMMAND, 0xF012, 0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// --- Label1, Label2 ----------------------------------------------------------

Win32StatusLabel::Win32StatusLabel(HWND parent, HINSTANCE instance,
                                   const TForm1Definition::LabelBox& box, std::string_view caption,
                                   std::string_view fontName, int fontHeight, int pixelsPerInch)
    : font_(MakeFont(std::string(fontName), Scaled(fontHeight, pixelsPerInch), DEFAULT_CHARSET)) {
    window_ = CreateWindowExA(0, "STATIC", std::string(caption).c_str(), WS_CHILD | WS_VISIBLE,
                              Scaled(box.left, pixelsPerInch), Scaled(box.top, pixelsPerInch),
                              Scaled(box.width, pixelsPerInch), Scaled(box.height, pixelsPerInch),
                              parent, nullptr, instance, nullptr);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void Win32StatusLabel::SetCaption(const std::string& caption) {
    SetWindowTextA(window_, caption.c_str());
}

// --- TForm1 ------------------------------------------------------------------

Win32Form::Win32Form(Win32Application& application, const Screen& screen)
    : application_(application),
      width_(Scaled(TForm1Definition::ClientWidth, screen.PixelsPerInch())),
      height_(Scaled(TForm1Definition::ClientHeight, screen.PixelsPerInch())),
      background_(CreateSolidBrush(ToColorRef(TForm1Definition::Color))) {
    const int ppi = screen.PixelsPerInch();
    HINSTANCE instance = application.Instance();
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = ClassName;
    RegisterClassA(&windowClass);
    // Not owned, so that the window has a taskbar entry exactly while shown.
    const std::string caption(TForm1Definition::Caption);
    window_.reset(CreateWindowExA(
        WS_EX_TOPMOST | WS_EX_APPWINDOW, ClassName, caption.c_str(), WS_POPUP | WS_CLIPCHILDREN,
        Scaled(TForm1Definition::DesignLeft, ppi), Scaled(TForm1Definition::DesignTop, ppi), width_,
        height_, nullptr, nullptr, instance, this));
    HWND form = window_.get();
    bigLabel_.emplace(form, instance, ppi);
    namespace def = TForm1Definition;
    label1_.emplace(form, instance, def::Label1::Box, def::Label1::Caption, def::Label1::FontName,
                    def::Label1::FontHeight, ppi);
    label2_.emplace(form, instance, def::Label2::Box, def::Label2::Caption, def::Label2::FontName,
                    def::Label2::FontHeight, ppi);

    menu_.reset(CreatePopupMenu());
    for (const auto& entry : def::PopupMenu1) {
        const std::string text(entry.caption);
        AppendMenuA(menu_.get(), MF_STRING, static_cast<UINT_PTR>(entry.item) + 1, text.c_str());
    }

    // One pixel beyond the window on every side; the region's right and
    // bottom edges are exclusive, so it covers -1 .. width and -1 .. height.
    const int inset = def::OutlineInset;
    const int corner = Scaled(def::CornerEllipse, ppi);
    SetWindowRgn(form,
                 CreateRoundRectRgn(inset, inset, width_ - inset, height_ - inset, corner, corner),
                 FALSE); // the window owns the region from here on
}

void Win32Form::Show() {
    ShowWindow(window_.get(), SW_SHOW);
    SetForegroundWindow(window_.get());
}

void Win32Form::Hide() {
    ShowWindow(window_.get(), SW_HIDE);
}

void Win32Form::Close() {
    application_.RequestClose();
}

bool Win32Form::IsVisible() const {
    return IsWindowVisible(window_.get()) != FALSE;
}

POINT Win32Form::Position() const {
    RECT rect;
    GetWindowRect(window_.get(), &rect);
    return {rect.left, rect.top};
}

void Win32Form::SetLeft(int left) {
    SetWindowPos(window_.get(), nullptr, left, Position().y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::SetTop(int top) {
    SetWindowPos(window_.get(), nullptr, Position().x, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::OpenMenu(LPARAM at) {
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == -1) { // from the keyboard: at the window's centre
        const POINT origin = Position();
        point = {origin.x + width_ / 2, origin.y + height_ / 2};
    }
    const BOOL chosen = TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       point.x, point.y, 0, window_.get(), nullptr);
    if (chosen > 0)
        application_.MenuClick(static_cast<TForm1Definition::MenuItem>(chosen - 1));
}

LRESULT Win32Form::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window_.get(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
        return 1;
    }
    case WM_ACTIVATEAPP:
        application_.ActivateApp(wParam != FALSE);
        return 0;
    case WM_CONTEXTMENU:
        OpenMenu(lParam);
        return 0;
    case WM_CLOSE:
        application_.RequestClose();
        return 0;
    default:
        return DefWindowProcA(window_.get(), message, wParam, lParam);
    }
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = Self<Win32Form>(window, message, lParam);
    if (self == nullptr || self->window_.get() != window)
        return DefWindowProcA(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}
