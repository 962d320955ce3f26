// The big label `LMDLabel1` that shows the time: its caption, colour and font.
#pragma once

#include "ui/Rgb.h"

#include <string>

class BigLabel {
public:
    virtual ~BigLabel() = default;

    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetFontColor(Rgb color) = 0;
    // A non-empty face name of at most 31 characters (the caller cuts it).
    virtual void SetFontName(const std::string& name) = 0;
    // Character height in screen pixels; any value may arrive from the settings
    // file, and a front end keeps it within what its fonts can draw.
    virtual void SetFontHeight(int pixels) = 0;
};
