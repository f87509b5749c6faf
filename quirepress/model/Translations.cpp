// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include <quirepress/Translations.h>

#include <QCoreApplication>
#include <QTranslator>

namespace quirepress {

bool installTranslations(const QLocale& locale)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return false;
    // Built into the library from translations/quirepress_<language>.ts.
    auto* translator = new QTranslator(application);
    if (!translator->load(locale, QStringLiteral("quirepress"), QStringLiteral("_"),
                          QStringLiteral(":/quirepress/i18n"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace quirepress
