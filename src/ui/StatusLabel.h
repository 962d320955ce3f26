// A status label (`Label1`, `Label2`): text only, placed outside the visible
// part of the window, kept up to date for whoever reads the window's texts.
#pragma once

#include <string>

class StatusLabel {
public:
    virtual ~StatusLabel() = default;
    virtual void SetCaption(const std::string& caption) = 0;
};
