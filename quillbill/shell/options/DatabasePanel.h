// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/ServerAddress.h"
#include "shell/options/DatabasePage.h"

#include <QFrame>

#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace quillbill {

struct AppContext;
class ServerFields;

// The options window's "Database" page: this computer's file, or a
// PostgreSQL server with its sign-in and encryption, and a check of the
// connection. What it does with the values lives in DatabasePage.
class DatabasePanel : public QFrame {
    Q_OBJECT
public:
    DatabasePanel(AppContext& app, Keyring keyring, QWidget* parent = nullptr);

    // Whether the values may be saved: refuses bad values, and asks before
    // choosing a server that cannot be opened now. False leaves everything
    // unsaved, with the user told why.
    bool readyToSave();
    // Writes the choice, and a typed password to the keyring.
    void save();

signals:
    void changed();
    // The page has something to show the user (a refusal, a question).
    void showMe();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::optional<ServerAddress> shownChoice() const;
    void showChoiceState();
    void testConnection();
    bool refused(const ServerAddress& server);

    AppContext& app_;
    DatabasePage page_;
    // As loaded or last saved.
    std::optional<ServerAddress> saved_;
    bool keyringChecked_ = false;

    QRadioButton* fileChoice_;
    QRadioButton* serverChoice_;
    ServerFields* serverFields_;
    QPushButton* testButton_;
    QLabel* testResult_;
};

} // namespace quillbill
