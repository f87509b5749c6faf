// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/MessageBoxes.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace quillbill::testing {

// Message boxes that never block: each one is recorded, and questions are
// answered from a queue of answers the test lines up (Yes, or Retry, when it
// is empty). `whenAsked` lets a test act while a question is on the screen.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    enum class Kind { Question, Notice, Warning, RetryQuestion, PasswordQuestion };
    struct Message {
        Kind kind;
        QString text;
        QString title;
        // A question that Enter answers with No.
        bool noIsDefault = false;
    };

    bool askYesNo(QWidget*, const QString& text, const QString& title) override
    {
        return ask(Kind::Question, text, title);
    }
    bool askYesNoDefaultNo(QWidget*, const QString& text, const QString& title) override
    {
        const bool answer = ask(Kind::Question, text, title);
        messages.back().noIsDefault = true;
        return answer;
    }
    bool askRetry(QWidget*, const QString& text, const QString& title) override
    {
        return ask(Kind::RetryQuestion, text, title);
    }
    bool ask(Kind kind, const QString& text, const QString& title)
    {
        messages.push_back({kind, text, title});
        if (whenAsked)
            whenAsked(messages.back());
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

    // Answered from `passwords`; Cancel when it is empty.
    std::optional<QString> askPassword(QWidget*, const QString& text, const QString& title) override
    {
        messages.push_back({Kind::PasswordQuestion, text, title});
        if (whenAsked)
            whenAsked(messages.back());
        if (passwords.empty())
            return std::nullopt;
        const QString password = passwords.front();
        passwords.pop_front();
        return password;
    }

    void answerNext(bool yes) { answers.push_back(yes); }
    const Message& last() const { return messages.back(); }
    bool empty() const { return messages.empty(); }
    void clear() { messages.clear(); }

    std::vector<Message> messages;
    std::deque<bool> answers;
    std::deque<QString> passwords;
    std::function<void(const Message&)> whenAsked;
};

} // namespace quillbill::testing
