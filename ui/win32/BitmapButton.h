#pragma once
// The images of an owner-drawn bitmap button: base + "U" (normal), "D"
// (pressed), "F" (focused) and "X" (disabled), the last two optional.
#include <windows.h>

#include <string>

namespace ui32 {

class BitmapButtonImages {
public:
    BitmapButtonImages() = default;
    ~BitmapButtonImages();
    BitmapButtonImages(const BitmapButtonImages&) = delete;
    BitmapButtonImages& operator=(const BitmapButtonImages&) = delete;

    // False when the normal image is missing; then nothing is bound.
    bool Load(const std::string& base, int dpi);
    // The normal image's size, which the button takes.
    SIZE Size() const;
    // Draws the image for the button's state; false when nothing is bound.
    bool Draw(const DRAWITEMSTRUCT& item) const;

private:
    void Release();
    HBITMAP m_up = nullptr, m_down = nullptr, m_focus = nullptr, m_disabled = nullptr;
};

}  // namespace ui32
