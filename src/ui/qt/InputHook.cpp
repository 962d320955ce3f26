#include "InputHook.h"

#include "ui/Messages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

#include <utility>

namespace {

// Virtual-key codes beyond the ones the hook acts on.
constexpr std::uint32_t VkBack = 0x08, VkTab = 0x09, VkReturn = 0x0D, VkShift = 0x10,
                        VkControl = 0x11, VkMenu = 0x12, VkSpace = 0x20, VkPrior = 0x21,
                        VkNext = 0x22, VkEnd = 0x23, VkHome = 0x24, VkInsert = 0x2D,
                        VkDelete = 0x2E, VkF1 = 0x70, VkF10 = 0x79, VkOther = 0xFF;

// Mouse messages: the down message of each button; up is one more, double
// click two more.
constexpr std::uint32_t WmMButtonDown = 0x0207;

std::optional<std::uint32_t> ButtonDownMessage(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return msg::LButtonDown;
    case Qt::RightButton:
        return msg::RButtonDown;
    case Qt::MiddleButton:
        return WmMButtonDown;
    default:
        return std::nullopt; // extra buttons have messages the hook ignores
    }
}

std::optional<HookMessage> KeyMessage(const QKeyEvent& key) {
    const std::uint32_t code = VirtualKeyFor(key.key());
    const bool system =
        key.modifiers().testFlag(Qt::AltModifier) || code == VkF10 || code == VkMenu;
    return HookMessage{system ? msg::SysKeyDown : msg::KeyDown, code};
}

std::optional<HookMessage> ButtonMessage(const QMouseEvent& mouse, std::uint32_t offset) {
    const auto down = ButtonDownMessage(mouse.button());
    if (!down)
        return std::nullopt;
    return HookMessage{*down + offset, 0};
}

} // namespace

std::uint32_t VirtualKeyFor(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<std::uint32_t>(qtKey); // VK_A..VK_Z are the letters' codes
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::uint32_t>(qtKey); // and VK_0..VK_9 the digits'
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VkF1 + static_cast<std::uint32_t>(qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Escape:
        return vk::Escape;
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_Backspace:
        return VkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VkReturn;
    case Qt::Key_Shift:
        return VkShift;
    case Qt::Key_Control:
        return VkControl;
    case Qt::Key_Alt:
        return VkMenu;
    case Qt::Key_Space:
        return VkSpace;
    case Qt::Key_PageUp:
        return VkPrior;
    case Qt::Key_PageDown:
        return VkNext;
    case Qt::Key_End:
        return VkEnd;
    case Qt::Key_Home:
        return VkHome;
    case Qt::Key_Insert:
        return VkInsert;
    case Qt::Key_Delete:
        return VkDelete;
    default:
        return VkOther;
    }
}

std::optional<HookMessage> HookMessageFor(const QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress:
        return KeyMessage(static_cast<const QKeyEvent&>(event));
    case QEvent::MouseMove:
        return HookMessage{msg::MouseMove, 0};
    case QEvent::MouseButtonPress:
        return ButtonMessage(static_cast<const QMouseEvent&>(event), 0);
    case QEvent::MouseButtonRelease:
        return ButtonMessage(static_cast<const QMouseEvent&>(event), 1);
    case QEvent::MouseButtonDblClick:
        return ButtonMessage(static_cast<const QMouseEvent&>(event), 2);
    case QEvent::Wheel: {
        // Only the vertical wheel; a horizontal turn has a message of its own.
        const int distance = static_cast<const QWheelEvent&>(event).angleDelta().y();
        if (distance == 0)
            return std::nullopt;
        return HookMessage{msg::MouseWheel, WheelParam(distance)};
    }
    default:
        return std::nullopt;
    }
}

InputHook::InputHook(std::function<void(const HookMessage&)> deliver)
    : deliver_(std::move(deliver)) {}

bool InputHook::eventFilter(QObject* receiver, QEvent* event) {
    if (!receiver->isWindowType() || static_cast<QWindow*>(receiver)->type() == Qt::Popup)
        return false;
    if (const auto message = HookMessageFor(*event))
        deliver_(*message);
    return false;
}
