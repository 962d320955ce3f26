#include "QtBigLabel.h"

#include "LabelFont.h"

#include <QPalette>
#include <QString>

void QtBigLabel::SetCaption(const std::string& caption) {
    label_.setText(QString::fromStdString(caption));
}

void QtBigLabel::SetFontColor(Rgb color) {
    QPalette palette = label_.palette();
    palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
    label_.setPalette(palette);
}

void QtBigLabel::SetFontName(const std::string& name) {
    label_.setFont(LabelFont(QString::fromStdString(name), label_.font().pixelSize()));
}

void QtBigLabel::SetFontHeight(int pixels) {
    // The family as first asked for, so a later height keeps the substitute.
    label_.setFont(LabelFont(label_.font().family(), pixels));
}
