#pragma once
// A picture control's device context as a canvas, in the control's font.
#include <windows.h>

#include "ui/Canvas.h"

namespace ui32 {

class Win32Canvas : public ICanvas {
public:
    Win32Canvas(HDC dc, HWND control, const RECT& area);
    ~Win32Canvas() override;
    Win32Canvas(const Win32Canvas&) = delete;
    Win32Canvas& operator=(const Win32Canvas&) = delete;

    Rect Bounds() const override { return m_bounds; }
    void Fill(const Rect& area, uint32_t colour) override;
    void Line(int x1, int y1, int x2, int y2, uint32_t colour) override;
    void Text(int x, int y, const std::string& text, uint32_t colour) override;
    int TextWidth(const std::string& text) override;
    int TextHeight() override;
    int Scaled(int pixels) const override;

private:
    HDC m_dc;
    HWND m_control;
    Rect m_bounds;
    HGDIOBJ m_oldFont;
    int m_saved;
};

}  // namespace ui32
