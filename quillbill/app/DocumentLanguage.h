// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QLocale>
#include <QString>

#include <memory>

class QTranslator;

namespace quillbill {

class OptionsStore;

// The language of the documents that go to customers (invoices, credit
// notes, statements, reports), chosen on the Options window apart from the
// desktop's: a French office may run an English desktop, and the other way
// round. It gives the documents their layouts, their words and the form of
// their dates and amounts.
class DocumentLanguage {
public:
    enum class Language { English, French };

    explicit DocumentLanguage(Language language = Language::English);

    // The language the options name; without a choice, the desktop's when
    // it is French, else English.
    static DocumentLanguage chosen(const OptionsStore& options);

    // How the options keep `language`, and the language a kept text names.
    static QString keyText(Language language);
    static Language fromKeyText(const QString& text, Language fallback);

    Language language() const { return language_; }
    bool isFrench() const { return language_ == Language::French; }

    // The dates' and amounts' form: Canadian French, or for English the
    // desktop's own form when the desktop is English.
    QLocale locale() const;

    // The layout `name` of "Reports/" (say "simple.rdn") in this language:
    // "Reports/fr/simple.rdn" for French when the program folder
    // `programFolder` has it, else the English one.
    QString layout(const QString& programFolder, const QString& name) const;

    // A document's text in this language: marked where it is written with
    // translate("quillbill::Document", ...) so that the translation tools
    // find it, and untouched in English.
    QString translate(const char* context, const char* source) const;

    // A tax's name as this language writes it: the French of GST, HST, PST,
    // QST and RST is TPS, TVH, TVP, TVQ and TVD; any other name is the
    // office's own and stays as typed.
    QString taxName(const QString& name) const;

private:
    Language language_;
    std::shared_ptr<const QTranslator> words_;
};

} // namespace quillbill
