// Dormo on Linux: a sleep timer that switches the computer off.
#include "DormoApp.h"

#include "ui/TForm1Definition.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto& title = TForm1Definition::ApplicationTitle;
    const QString name = QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
    QApplication::setApplicationName(name);
    QApplication::setApplicationDisplayName(name);
    DormoApp dormo(application);
    return dormo.Run();
}
