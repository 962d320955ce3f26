#include "QtTimerWindow.h"

#include "LabelFont.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <utility>

namespace def = TForm1Definition;

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor Colour(Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

void SetColour(QWidget& widget, QPalette::ColorRole role, Rgb rgb) {
    QPalette palette = widget.palette();
    palette.setColor(role, Colour(rgb));
    widget.setPalette(palette);
}

} // namespace

QtTimerWindow::QtTimerWindow(int pixelsPerInch, Handlers handlers)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ppi_(pixelsPerInch), handlers_(std::move(handlers)),
      LMDLabel1_(Text(def::LMDLabel1::Caption), this), Label1_(Text(def::Label1::Caption), this),
      Label2_(Text(def::Label2::Caption), this), PopupMenu1_(this) {
    setWindowTitle(Text(def::Caption));
    setFixedSize(Scaled(def::ClientWidth), Scaled(def::ClientHeight));
    move(Scaled(def::DesignLeft), Scaled(def::DesignTop));
    SetColour(*this, QPalette::Window, def::Color);
    setAutoFillBackground(true);

    const def::LabelBox& box = def::LMDLabel1::Box;
    LMDLabel1_.setGeometry(Scaled(box.left), Scaled(box.top), Scaled(box.width),
                           Scaled(box.height));
    LMDLabel1_.setAlignment(Qt::AlignCenter);
    LMDLabel1_.setWordWrap(false);
    LMDLabel1_.setAutoFillBackground(true);
    SetColour(LMDLabel1_, QPalette::Window, def::LMDLabel1::Background);
    SetColour(LMDLabel1_, QPalette::WindowText, def::LMDLabel1::FontColor);
    LMDLabel1_.setFont(
        LabelFont(Text(def::LMDLabel1::FontName), Scaled(def::LMDLabel1::FontHeight)));
    LMDLabel1_.installEventFilter(this);

    PlaceStatusLabel(Label1_, def::Label1::Box, def::Label1::FontName, def::Label1::FontHeight);
    PlaceStatusLabel(Label2_, def::Label2::Box, def::Label2::FontName, def::Label2::FontHeight);

    for (const def::MenuEntry& entry : def::PopupMenu1) {
        const def::MenuItem item = entry.item;
        PopupMenu1_.addAction(Text(entry.caption), this,
                              [this, item] { handlers_.menuClick(item); });
    }
    ApplyOutline();
}

int QtTimerWindow::Scaled(int designPixels) const {
    return def::Scaled(designPixels, ppi_);
}

void QtTimerWindow::PlaceStatusLabel(QLabel& label, const def::LabelBox& box,
                                     std::string_view fontName, int fontHeight) {
    label.setGeometry(Scaled(box.left), Scaled(box.top), Scaled(box.width), Scaled(box.height));
    label.setFont(LabelFont(Text(fontName), Scaled(fontHeight)));
}

void QtTimerWindow::ApplyOutline() {
    // A rounded rectangle one pixel larger than the window on every side;
    // what lies outside it is not part of the window.
    QBitmap outline(size());
    outline.fill(Qt::color0);
    QPainter painter(&outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    const int inset = Scaled(def::OutlineInset);
    const qreal radius = Scaled(def::CornerEllipse) / 2.0;
    painter.drawRoundedRect(QRect(inset, inset, width() - 2 * inset, height() - 2 * inset), radius,
                            radius);
    painter.end();
    setMask(outline);
}

void QtTimerWindow::ShowActive() {
    Show();
    activateWindow();
}

void QtTimerWindow::Show() {
    show();
    raise();
}

void QtTimerWindow::Hide() {
    hide();
}

void QtTimerWindow::Close() {
    handlers_.close();
}

void QtTimerWindow::SetLeft(int left) {
    move(left, y());
}

void QtTimerWindow::SetTop(int top) {
    move(x(), top);
}

void QtTimerWindow::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1_.popup(event->globalPos());
}

bool QtTimerWindow::eventFilter(QObject* watched, QEvent* event) {
    // `LMDLabel1MouseDown`: the left button drags the window through the
    // window system's own move; the right button keeps the context menu.
    if (watched == &LMDLabel1_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && windowHandle()) {
        windowHandle()->startSystemMove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
