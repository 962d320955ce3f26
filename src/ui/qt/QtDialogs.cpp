#include "QtDialogs.h"

#include "ui/TForm1Definition.h"

#include <QPushButton>

#include <algorithm>

void QtDialogs::ShowMessage(const std::u16string& text) {
    Run(QMessageBox::NoIcon, QString::fromStdU16String(text));
}

void QtDialogs::ShowError(const std::string& text) {
    Run(QMessageBox::Critical, QString::fromStdString(text));
}

void QtDialogs::DismissOpen() {
    // Each box leaves the list itself when its exec() returns.
    const std::vector<QMessageBox*> boxes = open_;
    for (QMessageBox* box : boxes)
        box->done(QMessageBox::Ok);
}

void QtDialogs::Run(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon,
                    QString::fromUtf8(TForm1Definition::ApplicationTitle.data(),
                                      TForm1Definition::ApplicationTitle.size()),
                    text, QMessageBox::Ok);
    // Texts carry values from the settings file: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    open_.push_back(&box);
    box.exec();
    open_.erase(std::find(open_.begin(), open_.end(), &box));
}
