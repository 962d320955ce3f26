#include "QtShell.h"

#include "ShellWords.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace {

// The program a file names, or an empty text when it names none.
QString ProgramFor(const QString& file) {
    if (file.contains(QLatin1Char('/'))) {
        const QFileInfo info(file);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(file);
}

} // namespace

int QtShell::Open(const std::string& file, const std::string& parameters) {
    const QString name = QString::fromStdString(file);
    const QString program = ProgramFor(name);
    if (!program.isEmpty()) {
        const auto words = SplitShellWords(parameters);
        if (!words)
            return FileNotFound;
        QStringList arguments;
        for (const std::string& word : *words)
            arguments.append(QString::fromStdString(word));
        // No working directory: the program inherits the timer's own.
        return QProcess::startDetached(program, arguments) ? Started : FileNotFound;
    }
    const QFileInfo document(name);
    if (!document.exists())
        return FileNotFound;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(document.absoluteFilePath()))
               ? Started
               : NoAssociation;
}
