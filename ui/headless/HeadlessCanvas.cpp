#include "ui/headless/HeadlessCanvas.h"

#include <algorithm>

HeadlessCanvas::HeadlessCanvas(int width, int height, uint32_t background, int dpi)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_background(background),
      m_dpi(dpi),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), background) {}

void HeadlessCanvas::Fill(const Rect& area, uint32_t colour) {
    const int left = std::max(area.left, 0), right = std::min(area.right, m_width);
    const int top = std::max(area.top, 0), bottom = std::min(area.bottom, m_height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) m_pixels[static_cast<std::size_t>(y) * m_width + x] = colour;
}

void HeadlessCanvas::Line(int x1, int y1, int x2, int y2, uint32_t colour) {
    Fill(Rect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1}, colour);
}

void HeadlessCanvas::Text(int x, int y, const std::string& text, uint32_t colour) {
    m_texts.push_back(DrawnText{x, y, text, colour});
}

uint32_t HeadlessCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return m_background;
    return m_pixels[static_cast<std::size_t>(y) * m_width + x];
}

const DrawnText* HeadlessCanvas::FindText(const std::string& part) const {
    for (const DrawnText& text : m_texts)
        if (text.text.find(part) != std::string::npos) return &text;
    return nullptr;
}
