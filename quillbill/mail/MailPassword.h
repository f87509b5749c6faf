#pragma once

#include <QString>

#include <optional>

namespace quillbill {

struct MailSettings;

// The mail server's password, kept in the desktop's keyring (the Secret
// Service, through QtKeychain) and never in the settings file. Each call
// waits for the keyring's answer while the caller's events keep flowing.
class MailPassword {
public:
    // `service` names the program's entries in the keyring; tests give a
    // name of their own.
    explicit MailPassword(QString service = QStringLiteral("Quillbill"));

    struct Reading {
        // False when no keyring answered (none runs, or it is locked and the
        // user would not unlock it): the caller asks for the password.
        bool keyringAnswered = false;
        // A password is stored, but it is locked away: the keyring was not
        // unlocked (its prompt was cancelled, or could not be shown). The
        // keyring did not answer then.
        bool locked = false;
        // The stored password; nothing when none is stored or it could not
        // be read.
        std::optional<QString> password;
        // Why the keyring did not answer, for the user.
        QString problem;
    };

    // The password of the settings' user on the settings' server.
    Reading read(const MailSettings& settings) const;
    // Stores or replaces it. False, with `problem` set, when no keyring took it.
    bool write(const MailSettings& settings, const QString& password, QString* problem = nullptr) const;
    // Removes it; true also when none was stored.
    bool remove(const MailSettings& settings, QString* problem = nullptr) const;

    // The keyring entry's key: "user@host:port".
    static QString entryKey(const MailSettings& settings);

private:
    QString service_;
};

} // namespace quillbill
