#include "QtScreen.h"

#include "ui/TForm1Definition.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
const QScreen* Primary() {
    return QGuiApplication::primaryScreen();
}
} // namespace

int QtScreen::Width() const {
    return Primary() ? Primary()->geometry().width() : 0;
}

int QtScreen::Height() const {
    return Primary() ? Primary()->geometry().height() : 0;
}

int QtScreen::PixelsPerInch() const {
    if (!Primary())
        return TForm1Definition::DesignPixelsPerInch;
    return static_cast<int>(std::lround(Primary()->logicalDotsPerInch()));
}
