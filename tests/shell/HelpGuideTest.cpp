// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The guide the build delivers: every page F1 can ask for is there, and no
// page leads a reader to a page, picture or place on a page that is not.

#include "shell/help/HelpTopics.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

using namespace quillbill;

namespace {

const QDir guide(QStringLiteral(QUILLBILL_TEST_PROGRAM_DIR "/HelpFile"));

QString read(const QString& page)
{
    QFile file(guide.filePath(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The guide's pages in `language`'s folder: "" for English, "fr/".
QStringList pagesOfTheGuide(const QString& language = {})
{
    return QDir(guide.filePath(language)).entryList({QStringLiteral("*.html")}, QDir::Files);
}

const QStringList languages = {QString(), QStringLiteral("fr/")};

} // namespace

TEST(HelpGuide, EveryWindowsPageIsDelivered)
{
    for (const QString& page : HelpTopics::allPages())
        EXPECT_TRUE(guide.exists(page)) << page.toStdString();
    EXPECT_EQ(pagesOfTheGuide(QStringLiteral("fr/")), pagesOfTheGuide()) << "every page in French as well";
}

TEST(HelpGuide, EveryLinkAndPictureLeadsSomewhere)
{
    const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    for (const QString& language : languages) {
        const QDir folder(guide.filePath(language));
        QSet<QString> linkedFromStart;
        for (const QString& name : pagesOfTheGuide(language)) {
            const QString page = language + name;
            const QString text = read(page);
            for (const auto& match : reference.globalMatch(text)) {
                const QString target = match.captured(1);
                const QString where = page + " -> " + target;
                ASSERT_FALSE(target.contains(':')) << where.toStdString() << ": the guide opens without a network";
                const QString file = target.section('#', 0, 0);
                const QString anchor = target.section('#', 1);
                const QString targetPage = file.isEmpty() ? name : file;
                EXPECT_TRUE(folder.exists(targetPage)) << where.toStdString();
                if (!anchor.isEmpty()) {
                    EXPECT_TRUE(read(language + targetPage).contains("id=\"" + anchor + '"')) << where.toStdString();
                }
                if (name == QLatin1String("index.html"))
                    linkedFromStart.insert(targetPage);
            }
        }
        for (const QString& name : pagesOfTheGuide(language)) {
            if (name != QLatin1String("index.html")) {
                EXPECT_TRUE(linkedFromStart.contains(name))
                    << (language + name).toStdString() << " is not listed on the start page";
            }
        }
    }
}
