// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace quillbill::mail {

// One attachment, already read: its bytes, the name it goes out under and
// its MIME type.
struct MimeAttachment {
    QString fileName;
    QString contentType;
    QByteArray bytes;
};

struct MimeContent {
    QString from;
    QString to;
    QString subject;
    QString body;
    // Absent when fileName is empty.
    MimeAttachment attachment;
};

// The whole message as it goes over SMTP: headers and body in 7-bit ASCII
// with CR LF line ends and no line longer than 78 characters, so no server
// or relay on the way needs to re-encode or wrap it. Dot-stuffing is left to
// libcurl, which does it while uploading.
//
// `date` goes into the Date header; `uniquePart` (letters, digits and
// dashes, such as a UUID) makes the Message-ID and the part boundary unique.
QByteArray buildMimeMessage(const MimeContent& content, const QDateTime& date, const QString& uniquePart);

// The bare address of "Name <address>" or "address", for the SMTP envelope.
QString envelopeAddress(const QString& address);

} // namespace quillbill::mail
