#pragma once

#include <QLocale>

namespace quillbill {

// Installs the translations of the program's windows and messages, of the
// report engine's, and of Qt's own (its standard buttons and dialogs), for
// the first of `locale`'s languages each has: the desktop's language, as
// LANGUAGE and LC_MESSAGES name it. English needs none. The application
// object keeps them. main() does not call it yet: some window texts (the
// menus among them) do not go through the translations, and a window half
// in French reads worse than one in English.
void installTranslations(const QLocale& locale);

} // namespace quillbill
