// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QLocale>
#include <QString>

namespace quillbill {

// Installs the translations of the program's windows and messages, of the
// report engine's, and of Qt's own (its standard buttons and dialogs), for
// the first of `locale`'s languages each has: the desktop's language, as
// LANGUAGE and LC_MESSAGES name it. English needs none. The application
// object keeps them.
void installTranslations(const QLocale& locale);

// The language the windows speak, as the folders of the guide's and the
// tips' translations name it: "fr" once the French is installed, "en"
// without a translation.
QString windowsLanguage();

} // namespace quillbill
