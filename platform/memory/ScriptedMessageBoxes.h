#pragma once
// Message boxes answered from a script. Every box shown is recorded with its
// text and style. Unscripted boxes get IDOK, or IDCANCEL / IDNO for questions
// unless questionAnswer says otherwise.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

struct ShownMessage {
    std::string text;
    unsigned style = 0;
};

class ScriptedMessageBoxes : public IMessageBoxes {
public:
    int Show(const std::string& text, unsigned style) override;
    // The next box gets this answer; whileOpen runs while it is open (the
    // nested message loop of a real box, where timer ticks keep arriving).
    void Answer(int answer, std::function<void()> whileOpen = {});

    std::vector<ShownMessage> shown;
    // When set, unscripted questions (Yes/No, Yes/No/Cancel) get this answer.
    int questionAnswer = 0;

private:
    struct Step {
        int answer;
        std::function<void()> whileOpen;
    };
    std::deque<Step> m_script;
};
