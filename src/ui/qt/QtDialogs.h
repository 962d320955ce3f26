// The two message dialogs as QMessageBox, titled "Dormo", modal for the whole
// application and shown above the always-on-top timer window. Keeps a list of
// the boxes that are open so that closing the program can dismiss them; a box
// opened after that still waits for the user. Owned by the front end.
#pragma once

#include "ui/Dialogs.h"

#include <QMessageBox>
#include <QString>

#include <vector>

class QtDialogs final : public Dialogs {
public:
    void ShowMessage(const std::u16string& text) override;
    void ShowError(const std::string& text) override;

    // Dismisses every box open at this moment.
    void DismissOpen();

private:
    void Run(QMessageBox::Icon icon, const QString& text);

    std::vector<QMessageBox*> open_;
};
