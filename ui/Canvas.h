#pragma once
// What a dialog draws a picture control with (an owner-drawn static): GDI's
// few calls on the win32 face, a memory bitmap on the headless one. Colours
// are COLORREF values, 0x00BBGGRR.
#include <cstdint>
#include <string>

#include "geometry/Rect.h"

constexpr uint32_t Rgb(int r, int g, int b) {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}

class ICanvas {
public:
    virtual ~ICanvas() = default;
    // The control's client area: 0, 0, width, height.
    virtual Rect Bounds() const = 0;
    virtual void Fill(const Rect& area, uint32_t colour) = 0;
    // Horizontal or vertical lines, both ends drawn.
    virtual void Line(int x1, int y1, int x2, int y2, uint32_t colour) = 0;
    // In the dialog's font, its top left at the point, on what lies beneath.
    virtual void Text(int x, int y, const std::string& text, uint32_t colour) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight() = 0;
    // A length in pixels at 96 dots an inch, at the picture's scale.
    virtual int Scaled(int pixels) const = 0;
};
