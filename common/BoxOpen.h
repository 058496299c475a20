#pragma once
// A box or a child dialog is open for as long as a BoxOpen lives: its count
// goes up, and down again however the box ends. Ticks that arrive inside a
// box's own message loop look at the count.
class BoxOpen {
public:
    explicit BoxOpen(int& openCount) : m_open(openCount) { ++m_open; }
    ~BoxOpen() { --m_open; }
    BoxOpen(const BoxOpen&) = delete;
    BoxOpen& operator=(const BoxOpen&) = delete;

private:
    int& m_open;
};
