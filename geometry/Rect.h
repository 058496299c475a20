#pragma once
// A rectangle in pixels, as the screen, the windows and the controls give
// it: shared by the platform and the dialog framework, owned by neither.

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
