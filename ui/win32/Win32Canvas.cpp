#include "ui/win32/Win32Canvas.h"

#include "ui/win32/Resources.h"

namespace ui32 {

Win32Canvas::Win32Canvas(HDC dc, HWND control, const RECT& area)
    : m_dc(dc), m_control(control), m_bounds{0, 0, area.right - area.left, area.bottom - area.top}, m_saved(SaveDC(dc)) {
    SetViewportOrgEx(dc, area.left, area.top, nullptr);
    m_oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
}

Win32Canvas::~Win32Canvas() {
    SelectObject(m_dc, m_oldFont);
    RestoreDC(m_dc, m_saved);
}

void Win32Canvas::Fill(const Rect& area, uint32_t colour) {
    const RECT r{area.left, area.top, area.right, area.bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(m_dc, &r, brush);
    DeleteObject(brush);
}

void Win32Canvas::Line(int x1, int y1, int x2, int y2, uint32_t colour) {
    // A line of one pixel's width is a rectangle: no pen to make.
    Fill(Rect{x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, (x1 < x2 ? x2 : x1) + 1, (y1 < y2 ? y2 : y1) + 1}, colour);
}

void Win32Canvas::Text(int x, int y, const std::string& text, uint32_t colour) {
    SetTextColor(m_dc, colour);
    TextOutA(m_dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

int Win32Canvas::TextWidth(const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int Win32Canvas::TextHeight() {
    TEXTMETRICA metrics{};
    GetTextMetricsA(m_dc, &metrics);
    return metrics.tmHeight;
}

int Win32Canvas::Scaled(int pixels) const {
    return ui32::Scaled(m_control, pixels);
}

}  // namespace ui32
