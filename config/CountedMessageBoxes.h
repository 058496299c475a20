#pragma once
// The configuration program's message boxes, counted while one is open: a
// tick of the polling timer, which arrives inside a box's own message loop,
// must not rebuild a list under a question about it.
#include <string>

#include "platform/MessageBoxes.h"

// A box or a child dialog is open for as long as this lives.
class BoxOpen {
public:
    explicit BoxOpen(int& openCount) : m_open(openCount) { ++m_open; }
    ~BoxOpen() { --m_open; }
    BoxOpen(const BoxOpen&) = delete;
    BoxOpen& operator=(const BoxOpen&) = delete;

private:
    int& m_open;
};

class CountedMessageBoxes : public IMessageBoxes {
public:
    CountedMessageBoxes(IMessageBoxes& boxes, int& openCount) : m_boxes(boxes), m_open(openCount) {}
    int Show(const std::string& text, unsigned style) override {
        const BoxOpen open(m_open);
        return m_boxes.Show(text, style);
    }

private:
    IMessageBoxes& m_boxes;
    int& m_open;
};
