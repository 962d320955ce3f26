#include "LabelFont.h"

#include <QFontDatabase>

#include <algorithm>

namespace {
// Heights a font can be drawn at; the settings file may ask for any number.
constexpr int SmallestHeight = 1;
constexpr int LargestHeight = 2000;
} // namespace

QString DrawableFamily(const QString& family) {
    if (QFontDatabase::hasFamily(family))
        return family;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont LabelFont(const QString& family, int pixels) {
    QFont font(DrawableFamily(family));
    font.setPixelSize(std::clamp(pixels, SmallestHeight, LargestHeight));
    return font;
}
