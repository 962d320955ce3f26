#include "SettingsLocation.h"

#include "settings/SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr char ConfigFolder[] = "dormo";
} // namespace

std::string SettingsFilePath(const std::string& executablePath, const std::string& configHome) {
    std::string beside = SettingsPathBeside(executablePath, "/");
    if (QFileInfo(QString::fromStdString(beside)).isFile())
        return beside;
    std::string path = configHome;
    if (path.empty() || path.back() != '/')
        path += '/';
    return path + ConfigFolder + '/' + std::string(SettingsFileName);
}

std::string PrepareSettingsFile() {
    const QString configHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    std::string path = SettingsFilePath(QCoreApplication::applicationFilePath().toStdString(),
                                        configHome.toStdString());
    // A directory that cannot be made shows up as the settings' own write error.
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    return path;
}
