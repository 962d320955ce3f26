// The message numbers and virtual-key codes that the input hook looks at.
// Each front end hands the hook its input in these terms.
#pragma once

#include <cstdint>

namespace msg {
inline constexpr std::uint32_t KeyDown = 0x0100;
inline constexpr std::uint32_t SysKeyDown = 0x0104;
inline constexpr std::uint32_t MouseMove = 0x0200; // first mouse message
inline constexpr std::uint32_t LButtonDown = 0x0201;
inline constexpr std::uint32_t RButtonDown = 0x0204;
inline constexpr std::uint32_t MButtonDblClk = 0x0209; // last button message
inline constexpr std::uint32_t MouseWheel = 0x020A;
} // namespace msg

namespace vk {
inline constexpr std::uint32_t Escape = 0x1B;
inline constexpr std::uint32_t Left = 0x25;
inline constexpr std::uint32_t Up = 0x26;
inline constexpr std::uint32_t Right = 0x27;
inline constexpr std::uint32_t Down = 0x28;
} // namespace vk

// wParam of a wheel message: the distance (positive away from the user) in
// the high half, the button state in the low half.
constexpr std::uint32_t WheelParam(int distance, std::uint16_t buttons = 0) {
    return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(distance)) << 16) | buttons;
}
