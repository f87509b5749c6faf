// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The engine's windows on a French desktop: the preview, the output choice
// and the progress window, with the engine's translations and Qt's own.

#include "QStringPrinting.h"
#include "WindowTexts.h"
#include "windows/frmDisplay.h"
#include "windows/frmOutput.h"
#include "windows/frmProgress.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

using namespace quirepress::detail;
using quillbill::testing::keptAsIs;
using quillbill::testing::shownTexts;
using quillbill::testing::untranslatedTexts;

struct Window {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

std::map<QString, QString> textsOf(const Window& window)
{
    std::unique_ptr<QWidget> shown = window.make();
    shown->show();
    QCoreApplication::processEvents();
    return shownTexts(shown.get());
}

TEST(FrenchEngineWindows, ThePreviewTheOutputChoiceAndTheProgressReadInFrench)
{
    const Window windows[] = {
        {"frmDisplay", [] { return std::unique_ptr<QWidget>(new frmDisplay); }},
        {"frmOutput", [] { return std::unique_ptr<QWidget>(new frmOutput); }},
        {"frmProgress", [] { return std::unique_ptr<QWidget>(new frmProgress); }},
    };
    std::vector<std::map<QString, QString>> english;
    for (const Window& window : windows)
        english.push_back(textsOf(window));

    const QLocale french(QLocale::French, QLocale::Canada);
    // The engine's objects, which this test links, leave the translations to
    // the shared library: they are read from the file it is built from.
    QTranslator engine;
    ASSERT_TRUE(engine.load(QStringLiteral(QUIREPRESS_QM_FILE)));
    QCoreApplication::installTranslator(&engine);
    QTranslator qt;
    ASSERT_TRUE(qt.load(french, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&qt);

    const QList<QRegularExpression> kept =
        keptAsIs({QStringLiteral(QUIREPRESS_SOURCE_DIR "/translations/quirepress_fr.ts")});
    for (size_t window = 0; window < std::size(windows); ++window) {
        SCOPED_TRACE(windows[window].name);
        EXPECT_GT(english[window].size(), 2u);
        EXPECT_EQ(untranslatedTexts(english[window], textsOf(windows[window]), kept, {}).join(u'\n'), QString());
    }
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&engine);
}

} // namespace
