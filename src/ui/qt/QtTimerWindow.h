// The timer window `TForm1` on Qt: a frameless, always-on-top top-level widget
// of the definition's size scaled to the screen, with a rounded outline, the
// big label covering it, the two status labels below its visible area and the
// context menu `PopupMenu1`. A press of the left button on the big label
// starts the window system's own move. Hidden, the window has no taskbar
// entry. Owned by the front end's main object for the whole run.
#pragma once

#include "ui/TForm1Definition.h"
#include "ui/TimerWindow.h"

#include <QLabel>
#include <QMenu>
#include <QWidget>

#include <functional>

class QtTimerWindow final : public QWidget, public TimerWindow {
public:
    struct Handlers {
        std::function<void(TForm1Definition::MenuItem)> menuClick;
        std::function<void()> close; // TimerWindow::Close()
    };

    QtTimerWindow(int pixelsPerInch, Handlers handlers);

    QLabel& LMDLabel1() { return LMDLabel1_; }
    QLabel& Label1() { return Label1_; }
    QLabel& Label2() { return Label2_; }

    // Shows the window and asks the window system to make it the active one.
    void ShowActive();

    void Show() override;
    void Hide() override;
    void Close() override;
    bool IsVisible() const override { return isVisible(); }
    void SetLeft(int left) override;
    void SetTop(int top) override;
    int Width() const override { return width(); }
    int Height() const override { return height(); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int Scaled(int designPixels) const;
    void PlaceStatusLabel(QLabel& label, const TForm1Definition::LabelBox& box,
                          std::string_view fontName, int fontHeight);
    void ApplyOutline();

    int ppi_;
    Handlers handlers_;
    // Child widgets; each leaves its parent when destroyed, before the parent.
    QLabel LMDLabel1_;
    QLabel Label1_;
    QLabel Label2_;
    QMenu PopupMenu1_;
};
