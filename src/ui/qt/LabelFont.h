// Fonts for the window's labels. A face that is not installed (the window's
// "Impact" and "MS Sans Serif" on most Linux systems) becomes the desktop's
// general sans-serif face, as Windows substitutes a missing face, instead of
// whatever fontconfig ranks first (a symbol font on some systems).
#pragma once

#include <QFont>
#include <QString>

// `family` if installed, else the general face.
QString DrawableFamily(const QString& family);
// A font of `family` with an em height of `pixels`, kept to 1..2000.
QFont LabelFont(const QString& family, int pixels);
