#pragma once

#include "common/MessageBoxes.h"

#include <QString>

#include <deque>
#include <vector>

namespace quillbill::testing {

// Message boxes that never block: each one is recorded, and questions are
// answered from a queue of answers the test lines up (Yes when it is empty).
class RecordingMessageBoxes final : public MessageBoxes {
public:
    enum class Kind { Question, Notice, Warning };
    struct Message {
        Kind kind;
        QString text;
        QString title;
    };

    bool askYesNo(QWidget*, const QString& text, const QString& title) override
    {
        messages.push_back({Kind::Question, text, title});
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void inform(QWidget*, const QString& text, const QString& title) override
    {
        messages.push_back({Kind::Notice, text, title});
    }
    void warn(QWidget*, const QString& text, const QString& title) override
    {
        messages.push_back({Kind::Warning, text, title});
    }

    void answerNext(bool yes) { answers.push_back(yes); }
    const Message& last() const { return messages.back(); }
    bool empty() const { return messages.empty(); }
    void clear() { messages.clear(); }

    std::vector<Message> messages;
    std::deque<bool> answers;
};

} // namespace quillbill::testing
