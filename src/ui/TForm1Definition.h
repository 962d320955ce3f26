// The timer window as designed, in pixels at 96 dots per inch: its size,
// colours, the big label's font, the status labels and the context menu.
// Every front end builds its window from these values, scaled to the screen.
#pragma once

#include "ui/Rgb.h"

#include <array>
#include <string_view>

namespace TForm1Definition {

inline constexpr std::string_view ApplicationTitle = "Dormo";
inline constexpr std::string_view Caption = "Dormo";
inline constexpr int DesignPixelsPerInch = 96;

inline constexpr int ClientWidth = 392;
inline constexpr int ClientHeight = 166;
inline constexpr int DesignLeft = 313;
inline constexpr int DesignTop = 119;
inline constexpr Rgb Color = colors::Green;

// The outline: a rounded rectangle one pixel larger than the window on every
// side, corners rounded by an ellipse of this size.
inline constexpr int OutlineInset = -1;
inline constexpr int CornerEllipse = 20;

struct LabelBox {
    int left, top, width, height;
};

namespace LMDLabel1 {
inline constexpr LabelBox Box{0, 0, 393, 169};
inline constexpr std::string_view Caption = "OFF";
inline constexpr Rgb Background = colors::Black;
inline constexpr Rgb FontColor = colors::Lime;
inline constexpr std::string_view FontName = "Impact";
inline constexpr int FontHeight = 160; // 120 points
inline constexpr int CyrillicCharset = 204;
} // namespace LMDLabel1

namespace Label1 {
inline constexpr LabelBox Box{232, 192, 10, 24};
inline constexpr std::string_view Caption = "0";
inline constexpr std::string_view FontName = "MS Sans Serif";
inline constexpr int FontHeight = 21;
} // namespace Label1

namespace Label2 {
inline constexpr LabelBox Box{280, 192, 55, 24};
inline constexpr std::string_view Caption = "120:00";
inline constexpr std::string_view FontName = "MS Sans Serif";
inline constexpr int FontHeight = 19;
} // namespace Label2

inline constexpr int TickerIntervalMs = 1000;

// `PopupMenu1`, in this order.
enum class MenuItem { StartCommand11, StartCommand21, EditINIfile1 };
struct MenuEntry {
    MenuItem item;
    std::string_view caption;
};
inline constexpr std::array<MenuEntry, 3> PopupMenu1{{
    {MenuItem::StartCommand11, "Test Start Command 1"},
    {MenuItem::StartCommand21, "Test Start Command 2"},
    {MenuItem::EditINIfile1, "Edit INI file"},
}};

// A design size at the screen's dots per inch, rounded to the nearest pixel.
constexpr int Scaled(int designPixels, int pixelsPerInch) {
    const long long n = static_cast<long long>(designPixels) * pixelsPerInch;
    const long long half = DesignPixelsPerInch / 2;
    return static_cast<int>(n >= 0 ? (n + half) / DesignPixelsPerInch
                                   : (n - half) / DesignPixelsPerInch);
}

} // namespace TForm1Definition
