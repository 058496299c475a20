#pragma once
// A picture drawn in memory: one COLORREF per pixel, and each text with
// where it went, so that a test reads what a person would see. Texts take
// 6 pixels a character and 13 a line, near an 8-point MS Sans Serif at 96
// dots an inch, and grow with the picture's dots per inch.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/Canvas.h"

struct DrawnText {
    int x = 0, y = 0;
    std::string text;
    uint32_t colour = 0;
};

class HeadlessCanvas : public ICanvas {
public:
    HeadlessCanvas(int width, int height, uint32_t background, int dpi = 96);

    Rect Bounds() const override { return Rect{0, 0, m_width, m_height}; }
    void Fill(const Rect& area, uint32_t colour) override;
    void Line(int x1, int y1, int x2, int y2, uint32_t colour) override;
    void Text(int x, int y, const std::string& text, uint32_t colour) override;
    int TextWidth(const std::string& text) override { return Scaled(6 * static_cast<int>(text.size())); }
    int TextHeight() override { return Scaled(13); }
    int Scaled(int pixels) const override { return pixels * m_dpi / 96; }

    // Outside the picture: the background.
    uint32_t Pixel(int x, int y) const;
    const std::vector<DrawnText>& Texts() const { return m_texts; }
    // The first text that holds the part, or null.
    const DrawnText* FindText(const std::string& part) const;

private:
    int m_width, m_height;
    uint32_t m_background;
    int m_dpi;
    std::vector<uint32_t> m_pixels;
    std::vector<DrawnText> m_texts;
};
