#include "QtBigLabel.h"

#include <QFont>
#include <QPalette>
#include <QString>

#include <algorithm>

namespace {
// Heights a font can be drawn at; the settings file may ask for any number.
constexpr int SmallestHeight = 1;
constexpr int LargestHeight = 2000;
} // namespace

void QtBigLabel::SetCaption(const std::string& caption) {
    label_.setText(QString::fromStdString(caption));
}

void QtBigLabel::SetFontColor(Rgb color) {
    QPalette palette = label_.palette();
    palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
    label_.setPalette(palette);
}

void QtBigLabel::SetFontName(const std::string& name) {
    QFont font = label_.font();
    font.setFamily(QString::fromStdString(name));
    label_.setFont(font);
}

void QtBigLabel::SetFontHeight(int pixels) {
    QFont font = label_.font();
    font.setPixelSize(std::clamp(pixels, SmallestHeight, LargestHeight));
    label_.setFont(font);
}
