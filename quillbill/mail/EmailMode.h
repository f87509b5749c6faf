#pragma once

#include <QString>

namespace quillbill {

// Where comments about the program are sent while the mail settings name
// no other address.
inline const QString commentsAddress = QStringLiteral("comments@quillbill.example");

// What the e-mail window sends, decided by the attachment path it opens with:
// an invoice with the file attached, or comments to the program's makers
// when there is no attachment.
class EmailMode {
public:
    // `attachmentPath` is relative to `programFolder`, as AppState keeps it.
    EmailMode(const QString& attachmentPath, const QString& programFolder);

    bool isInvoice() const { return !attachmentPath_.isEmpty(); }
    QString caption() const;
    // The line naming the attached file; empty without one.
    QString attachmentLine() const;
    QString subject() const;
    // The full path of the file to attach; empty without one.
    QString attachmentFile() const;

private:
    QString attachmentPath_;
    QString programFolder_;
};

} // namespace quillbill
