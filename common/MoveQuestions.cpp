#include "common/MoveQuestions.h"

#include "platform/MessageBoxes.h"
#include "platform/WinValues.h"

BoxQuestion ReplaceFileQuestion(const std::string& path) {
    return {path + "\nThis file already exists.\n\nReplace existing file?", win::MbYesNoCancel | win::MbIconExclamation};
}

BoxQuestion ReplaceValueQuestion(const std::string& name, const std::string& listName) {
    return {name + "\n\nA registry value of this name already exists in the " + listName + " list.\nReplace it?",
            win::MbYesNo | win::MbIconQuestion};
}

BoxQuestion RegistryOriginQuestion() {
    return {std::string("This item was originally from a registry list.  If it is moved\n") +
                "out of the manager, then its source information will be lost.\n\n" +
                "Do you want to remove it anyway?",
            win::MbYesNoCancel | win::MbIconQuestion};
}

BoxQuestion SystrayQuestion() {
    return {std::string("The system tray belongs in the Registry's Run list.\n") +
                "It is not recommended that it be moved from there.\n\n" +
                "Do you want to remove it anyway?",
            win::MbYesNoCancel | win::MbIconQuestion};
}

bool BoxedMoveQuestions::Answer(const BoxQuestion& question) {
    return m_boxes.Show(question.text, question.style) == win::IdYes;
}
