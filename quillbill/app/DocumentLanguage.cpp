// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "app/DocumentLanguage.h"

#include "common/OptionsStore.h"

#include <QFileInfo>
#include <QTranslator>

namespace quillbill {

namespace {

const QString englishKey = QStringLiteral("English");
const QString frenchKey = QStringLiteral("French");

// Loaded once: the program's French, built in, asked apart from the
// translations installed for the windows.
std::shared_ptr<const QTranslator> frenchWords()
{
    static const std::shared_ptr<const QTranslator> words = [] {
        auto translator = std::make_shared<QTranslator>();
        if (!translator->load(QStringLiteral(":/quillbill/i18n/quillbill_fr.qm")))
            return std::shared_ptr<QTranslator>();
        return translator;
    }();
    return words;
}

} // namespace

DocumentLanguage::DocumentLanguage(Language language)
    : language_(language), words_(language == Language::French ? frenchWords() : nullptr)
{}

DocumentLanguage DocumentLanguage::chosen(const OptionsStore& options)
{
    const Language desktop = QLocale().language() == QLocale::French ? Language::French : Language::English;
    const std::optional<QString> kept = options.text(OptionKey::documentLanguage);
    return DocumentLanguage(kept ? fromKeyText(*kept, desktop) : desktop);
}

QString DocumentLanguage::keyText(Language language) { return language == Language::French ? frenchKey : englishKey; }

DocumentLanguage::Language DocumentLanguage::fromKeyText(const QString& text, Language fallback)
{
    if (text.compare(frenchKey, Qt::CaseInsensitive) == 0)
        return Language::French;
    if (text.compare(englishKey, Qt::CaseInsensitive) == 0)
        return Language::English;
    return fallback;
}

QLocale DocumentLanguage::locale() const
{
    if (isFrench())
        return QLocale(QLocale::French, QLocale::Canada);
    const QLocale desktop;
    // The C locale writes English; any other language's form would put its
    // month names and decimal comma into an English document.
    if (desktop.language() == QLocale::English || desktop.language() == QLocale::C)
        return desktop;
    return QLocale(QLocale::English, QLocale::Canada);
}

QString DocumentLanguage::layout(const QString& programFolder, const QString& name) const
{
    const QString french = QStringLiteral("Reports/fr/") + name;
    if (isFrench() && QFileInfo::exists(programFolder + u'/' + french))
        return french;
    return QStringLiteral("Reports/") + name;
}

QString DocumentLanguage::translate(const char* context, const char* source) const
{
    if (words_) {
        const QString translated = words_->translate(context, source);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(source);
}

QString DocumentLanguage::taxName(const QString& name) const
{
    if (!isFrench())
        return name;
    static const std::pair<const char*, const char*> french[] = {
        {"GST", "TPS"}, {"HST", "TVH"}, {"PST", "TVP"}, {"QST", "TVQ"}, {"RST", "TVD"},
    };
    const QString plain = name.trimmed();
    for (const auto& [english, translated] : french)
        if (plain.compare(QLatin1String(english), Qt::CaseInsensitive) == 0)
            return QLatin1String(translated);
    return name;
}

} // namespace quillbill
