// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "app/Translations.h"

#include <quirepress/Translations.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quillbill {

namespace {

void install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(const QLocale& locale)
{
    if (!QCoreApplication::instance())
        return;
    // Qt's own first: the program's, installed last, is asked first.
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    quirepress::installTranslations(locale);
    // Built into the program from translations/quillbill_<language>.ts.
    install(locale, QStringLiteral("quillbill"), QStringLiteral(":/quillbill/i18n"));
}

QString windowsLanguage()
{
    //: The folder of this language's user guide and tips, under the
    //: program's folders; "en" for the English ones at their top.
    return QCoreApplication::translate("quillbill::Translations", "en");
}

} // namespace quillbill
