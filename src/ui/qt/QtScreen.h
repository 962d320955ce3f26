// The primary screen as Qt reports it, in Qt's device-independent pixels, the
// same units the window is placed and sized in. Lives with the front end.
#pragma once

#include "ui/Screen.h"

class QtScreen final : public Screen {
public:
    int Width() const override;
    int Height() const override;
    int PixelsPerInch() const override;
};
