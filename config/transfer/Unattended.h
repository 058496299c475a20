#pragma once
// The configuration's work without the window: nobody is there to read a
// box or answer a question, so each text is kept for a report.
#include <string>
#include <vector>

#include "common/MoveQuestions.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"

class UnattendedMessages : public IMessageBoxes {
public:
    int Show(const std::string& text, unsigned style) override;
    std::vector<std::string> said;
};

// Every question gets No, which leaves the item where it is, and the
// report says what was asked.
class UnattendedAnswers : public WordedMoveQuestions {
public:
    explicit UnattendedAnswers(std::vector<std::string>& said) : m_said(said) {}

protected:
    bool Answer(const BoxQuestion& question) override;

private:
    std::vector<std::string>& m_said;
};

// The platform with its boxes kept for the report.
struct Unattended {
    explicit Unattended(Platform& platform)
        : answers(messages.said),
          platform(platform.WithMessages(messages)) {}
    UnattendedMessages messages;
    UnattendedAnswers answers;
    Platform platform;
};

// What the boxes would have said, each line indented under its item; the
// texts are then forgotten.
void AddTexts(std::string& report, std::vector<std::string>& said);

// The report beside Orvane.ini when not all went well (its outcome first),
// or none when all did.
void WriteReport(IFileSystem& files, const std::string& path, bool wanted, const std::string& text);
