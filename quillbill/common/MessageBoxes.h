// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace quillbill {

// Every message box of the program goes through this interface: the program
// shows real ones (DialogMessageBoxes), tests install one that records what
// was said and answers as told.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title) = 0;
    // The same for a step that cannot be undone: No is the default button,
    // so a hasty Enter does nothing.
    virtual bool askYesNoDefaultNo(QWidget* parent, const QString& text, const QString& title)
    {
        return askYesNo(parent, text, title);
    }
    // A notice with an OK button.
    virtual void inform(QWidget* parent, const QString& text, const QString& title) = 0;
    // A failure the user must act on, with an OK button.
    virtual void warn(QWidget* parent, const QString& text, const QString& title) = 0;
    // A failure that may pass, with Retry and Cancel buttons; true for Retry.
    // Message boxes that cannot ask show it as a warning and answer Cancel.
    virtual bool askRetry(QWidget* parent, const QString& text, const QString& title)
    {
        warn(parent, text, title);
        return false;
    }
    // A password the user types into a masked box; nothing for Cancel.
    // Message boxes that cannot ask answer Cancel.
    virtual std::optional<QString> askPassword(QWidget* /*parent*/, const QString& /*text*/, const QString& /*title*/)
    {
        return std::nullopt;
    }
};

class DialogMessageBoxes final : public MessageBoxes {
public:
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
    bool askYesNoDefaultNo(QWidget* parent, const QString& text, const QString& title) override;
    void inform(QWidget* parent, const QString& text, const QString& title) override;
    void warn(QWidget* parent, const QString& text, const QString& title) override;
    bool askRetry(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<QString> askPassword(QWidget* parent, const QString& text, const QString& title) override;
};

} // namespace quillbill
