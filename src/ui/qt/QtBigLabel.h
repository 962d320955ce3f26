// The big label `LMDLabel1` over a QLabel of the window: one centred line on
// opaque black, in the configured face and pixel height and the colour the
// timer logic draws with. The QLabel belongs to the window; this wrapper lives
// as long as the window.
#pragma once

#include "ui/BigLabel.h"

#include <QLabel>

class QtBigLabel final : public BigLabel {
public:
    explicit QtBigLabel(QLabel& label) : label_(label) {}

    void SetCaption(const std::string& caption) override;
    void SetFontColor(Rgb color) override;
    void SetFontName(const std::string& name) override;
    void SetFontHeight(int pixels) override;

private:
    QLabel& label_;
};
