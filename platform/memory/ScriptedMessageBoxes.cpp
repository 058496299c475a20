#include "platform/memory/ScriptedMessageBoxes.h"

#include "platform/WinValues.h"

int ScriptedMessageBoxes::Show(const std::string& text, unsigned style) {
    shown.push_back({text, style});
    if (m_script.empty()) {
        const unsigned buttons = style & 0xF;
        if (questionAnswer != 0 && (buttons == win::MbYesNoCancel || buttons == win::MbYesNo)) return questionAnswer;
        switch (buttons) {
        case win::MbYesNoCancel: return win::IdCancel;
        case win::MbYesNo: return win::IdNo;
        default: return win::IdOk;
        }
    }
    // Taken off the script first: a box opened while this one is open gets the next answer.
    Step step = std::move(m_script.front());
    m_script.pop_front();
    if (step.whileOpen) step.whileOpen();
    return step.answer;
}

void ScriptedMessageBoxes::Answer(int answer, std::function<void()> whileOpen) {
    m_script.push_back({answer, std::move(whileOpen)});
}
