#pragma once

#include <QString>

#include <stdexcept>

namespace quillbill {

// A failure of the database: the file cannot be opened, or a statement was
// refused. The message is written for the person at the keyboard.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace quillbill
