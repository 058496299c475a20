#pragma once

#include "geometry/Rect.h"

class IScreen {
public:
    virtual ~IScreen() = default;
    // The desktop window's rectangle.
    virtual Rect Desktop() = 0;
    // SystemParametersInfoA(SPI_GETWORKAREA): false leaves the rectangle as given.
    virtual bool WorkArea(Rect& area) = 0;
};
