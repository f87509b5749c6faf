// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/WholeNumber.h"

#include <QString>

#include <optional>

namespace quillbill {

// Names of the keys the program keeps under "Options".
namespace OptionKey {
inline const QString showSplash = QStringLiteral("Show Splash at Startup");
inline const QString showLogon = QStringLiteral("Show Logon at Startup");
inline const QString showTips = QStringLiteral("Show Tips at Startup");
inline const QString backupOnExit = QStringLiteral("Create Backup on Exit");
// Whether a later copy of an issued invoice is titled "INVOICE COPY"; off
// unless set.
inline const QString markCopies = QStringLiteral("Mark Copies of Issued Invoices");
// The language of the documents that go to customers: "English" or
// "French"; without it, the desktop's language when it is French.
inline const QString documentLanguage = QStringLiteral("Document Language");
// The server the e-mail window sends through, as "smtp://host:port".
inline const QString smtpServer = QStringLiteral("SMTP Server");
// "Sec1".."Sec5": whether secured function N is restricted.
QString securedSwitch(int function);
// "Sec1A".."Sec5A": the level that secured function N requires.
QString securedLevel(int function);
// "Size of frmNew": the size, as "WIDTHxHEIGHT", a window was last left at.
QString windowSize(const QString& window);
} // namespace OptionKey

// The program's preferences: text values under a group ("Options", unless
// told) of the per-user settings store (organisation and application
// "Quillbill").
//
// Every value is text. number() reads it as a whole number and falls back to
// the given default when the key is absent or its text is not a whole number,
// so a damaged value can never turn into something the user did not choose.
class OptionsStore {
public:
    explicit OptionsStore(QString application = QStringLiteral("Quillbill"), QString group = QStringLiteral("Options"));

    std::optional<QString> text(const QString& key) const;
    QString text(const QString& key, const QString& fallback) const;
    int number(const QString& key, int fallback) const;

    void setText(const QString& key, const QString& value);
    void setNumber(const QString& key, int value);

    // Removes every key of the group.
    void clear();

private:
    QString application_;
    QString group_;
};

} // namespace quillbill
