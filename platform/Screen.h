#pragma once

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

class IScreen {
public:
    virtual ~IScreen() = default;
    // The desktop window's rectangle.
    virtual Rect Desktop() = 0;
    // SystemParametersInfoA(SPI_GETWORKAREA): false leaves the rectangle as given.
    virtual bool WorkArea(Rect& area) = 0;
};
