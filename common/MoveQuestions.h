#pragma once
// What a move asks before it replaces or loses something. The work asks
// through this; the dialog answers in message boxes, a caller without a
// user in code.
#include <string>

class IMessageBoxes;

class MoveQuestions {
public:
    virtual ~MoveQuestions() = default;
    // A file is where the move would put its own: replace it?
    virtual bool AskReplaceFile(const std::string& path) = 0;
    // A value of that name is in the key the list named listName shows.
    virtual bool AskReplaceValue(const std::string& name, const std::string& listName) = 0;
    // An item that came from a registry list leaves the manager, and with
    // it the record of its origin.
    virtual bool AskLoseRegistryOrigin() = 0;
    // A value that starts the system tray leaves the Run key.
    virtual bool AskMoveSystray() = 0;
};

// Each question as its box puts it.
struct BoxQuestion {
    std::string text;
    unsigned style = 0;
};
BoxQuestion ReplaceFileQuestion(const std::string& path);
BoxQuestion ReplaceValueQuestion(const std::string& name, const std::string& listName);
BoxQuestion RegistryOriginQuestion();
BoxQuestion SystrayQuestion();

// Each question put as its box puts it, to one answer.
class WordedMoveQuestions : public MoveQuestions {
public:
    bool AskReplaceFile(const std::string& path) override { return Answer(ReplaceFileQuestion(path)); }
    bool AskReplaceValue(const std::string& name, const std::string& listName) override {
        return Answer(ReplaceValueQuestion(name, listName));
    }
    bool AskLoseRegistryOrigin() override { return Answer(RegistryOriginQuestion()); }
    bool AskMoveSystray() override { return Answer(SystrayQuestion()); }

protected:
    virtual bool Answer(const BoxQuestion& question) = 0;
};

// The questions in message boxes: Yes is yes.
class BoxedMoveQuestions : public WordedMoveQuestions {
public:
    explicit BoxedMoveQuestions(IMessageBoxes& boxes) : m_boxes(boxes) {}

protected:
    bool Answer(const BoxQuestion& question) override;

private:
    IMessageBoxes& m_boxes;
};
