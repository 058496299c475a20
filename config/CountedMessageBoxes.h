#pragma once
// The configuration program's message boxes, counted while one is open: a
// tick of the polling timer, which arrives inside a box's own message loop,
// must not rebuild a list under a question about it.
#include <string>

#include "common/BoxOpen.h"
#include "platform/MessageBoxes.h"

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
