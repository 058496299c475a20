#include "ui/win32/BitmapButton.h"

#include "ui/win32/Resources.h"

namespace ui32 {

BitmapButtonImages::~BitmapButtonImages() {
    Release();
}

void BitmapButtonImages::Release() {
    for (HBITMAP* image : {&m_up, &m_down, &m_focus, &m_disabled}) {
        if (*image) DeleteObject(*image);
        *image = nullptr;
    }
}

bool BitmapButtonImages::Load(const std::string& base, int dpi) {
    HBITMAP up = LoadBitmapResource(base + "U", dpi);
    if (!up) return false;
    Release();
    m_up = up;
    m_down = LoadBitmapResource(base + "D", dpi);
    m_focus = LoadBitmapResource(base + "F", dpi);
    m_disabled = LoadBitmapResource(base + "X", dpi);
    return true;
}

SIZE BitmapButtonImages::Size() const {
    BITMAP info{};
    GetObjectA(m_up, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

bool BitmapButtonImages::Draw(const DRAWITEMSTRUCT& item) const {
    if (!m_up) return false;
    HBITMAP image = m_up;
    if ((item.itemState & ODS_SELECTED) && m_down)
        image = m_down;
    else if ((item.itemState & ODS_FOCUS) && m_focus)
        image = m_focus;
    else if ((item.itemState & ODS_DISABLED) && m_disabled)
        image = m_disabled;
    HDC memory = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(memory, image);
    const RECT& r = item.rcItem;
    BitBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    // A picture with no focused face of its own still shows the keyboard
    // where it is.
    if ((item.itemState & ODS_FOCUS) && !m_focus) {
        const int inset = Scaled(item.hwndItem, 2);
        RECT inside{r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
        DrawFocusRect(item.hDC, &inside);
    }
    return true;
}

}  // namespace ui32
