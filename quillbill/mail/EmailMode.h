// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

namespace quillbill {

class DocumentLanguage;

// Where comments about the program are sent while the mail settings name
// no other address.
inline const QString commentsAddress = QStringLiteral("comments@quillbill.example");

// What the e-mail window sends, decided by the attachment path it opens with:
// an invoice with the file attached, or comments to the program's makers
// when there is no attachment.
class EmailMode {
public:
    // `attachmentPath` names the file to attach; a relative one is taken in
    // `programFolder`.
    EmailMode(const QString& attachmentPath, const QString& programFolder);

    bool isInvoice() const { return !attachmentFile_.isEmpty(); }
    QString caption() const;
    // The line naming the attached file as the recipient gets it; empty
    // without one.
    QString attachmentLine() const;
    // The message's subject: an invoice's in the language of `documents`,
    // which the customer reads.
    QString subject(const DocumentLanguage& documents) const;
    // The full path of the file to attach; empty without one.
    QString attachmentFile() const { return attachmentFile_; }

private:
    QString attachmentFile_;
};

} // namespace quillbill
