// A status label (`Label1`, `Label2`) as a real QLabel of the window, placed
// below its visible area; its text is the caption, for whoever reads the
// window's widgets. The QLabel belongs to the window; this wrapper lives as
// long as the window.
#pragma once

#include "ui/StatusLabel.h"

#include <QLabel>
#include <QString>

class QtStatusLabel final : public StatusLabel {
public:
    explicit QtStatusLabel(QLabel& label) : label_(label) {}
    void SetCaption(const std::string& caption) override {
        label_.setText(QString::fromStdString(caption));
    }

private:
    QLabel& label_;
};
