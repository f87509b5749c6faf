#pragma once

#include <QString>

class QSqlDatabase;

namespace quillbill {

// What marks a file as a Quillbill database: its application id, a schema
// version this program knows, and the seven tables.
namespace SchemaCheck {

inline constexpr int applicationId = 0x5142494C; // "QBIL"
inline constexpr int currentVersion = 1;

// Returns an empty string when `connection` holds a Quillbill database, and
// otherwise what is wrong with it, in words for the user.
QString problemWith(const QSqlDatabase& connection);

} // namespace SchemaCheck
} // namespace quillbill
