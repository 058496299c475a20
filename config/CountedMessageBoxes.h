#pragma once
// The configuration program's message boxes, counted while one is open: a
// tick of the polling timer, which arrives inside a box's own message loop,
// must not rebuild a list under a question about it.
#include <string>

#include "platform/MessageBoxes.h"

class CountedMessageBoxes : public IMessageBoxes {
public:
    CountedMessageBoxes(IMessageBoxes& boxes, int& openCount) : m_boxes(boxes), m_open(openCount) {}
    int Show(const std::string& text, unsigned style) override {
        ++m_open;
        const int answer = m_boxes.Show(text, style);
        --m_open;
        return answer;
    }

private:
    IMessageBoxes& m_boxes;
    int& m_open;
};
