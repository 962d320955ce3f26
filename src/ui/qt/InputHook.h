// The application-wide input hook: an event filter on the QApplication that
// hands every key press, mouse press, release, double click, move and wheel
// turn to `AppOnMessage`, in the message numbers and wParam values of
// Messages.h, before Qt delivers the event. Input reaches a top-level QWindow
// once and is then passed on to its widgets, so the hook looks only at
// QWindow receivers and sees each input exactly once. Popup menus run their
// own input, as the system's menu loop does, and are left out. Owned by the
// front end's main object.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

// One input message as the hook reads it.
struct HookMessage {
    std::uint32_t message = 0;
    std::uint32_t wParam = 0;
};

// The virtual-key code for a Qt key; keys the hook has no name for get a code
// of their own that none of the named keys uses.
std::uint32_t VirtualKeyFor(int qtKey);

// The message for an event, or nothing when the hook does not see it.
std::optional<HookMessage> HookMessageFor(const QEvent& event);

class InputHook final : public QObject {
public:
    explicit InputHook(std::function<void(const HookMessage&)> deliver);
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    std::function<void(const HookMessage&)> deliver_;
};
