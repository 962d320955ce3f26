// The primary screen: its size in pixels and its dots per inch.
#pragma once

class Screen {
public:
    virtual ~Screen() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual int PixelsPerInch() const = 0;
};
