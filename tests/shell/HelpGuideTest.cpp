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

QStringList pagesOfTheGuide() { return guide.entryList({QStringLiteral("*.html")}, QDir::Files); }

} // namespace

TEST(HelpGuide, EveryWindowsPageIsDelivered)
{
    for (const QString& page : HelpTopics::allPages())
        EXPECT_TRUE(guide.exists(page)) << page.toStdString();
}

TEST(HelpGuide, EveryLinkAndPictureLeadsSomewhere)
{
    const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QSet<QString> linkedFromStart;
    for (const QString& page : pagesOfTheGuide()) {
        const QString text = read(page);
        for (const auto& match : reference.globalMatch(text)) {
            const QString target = match.captured(1);
            const QString where = page + " -> " + target;
            ASSERT_FALSE(target.contains(':')) << where.toStdString() << ": the guide opens without a network";
            const QString file = target.section('#', 0, 0);
            const QString anchor = target.section('#', 1);
            const QString targetPage = file.isEmpty() ? page : file;
            EXPECT_TRUE(guide.exists(targetPage)) << where.toStdString();
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(read(targetPage).contains("id=\"" + anchor + '"')) << where.toStdString();
            }
            if (page == QLatin1String("index.html"))
                linkedFromStart.insert(targetPage);
        }
    }
    for (const QString& page : pagesOfTheGuide()) {
        if (page != QLatin1String("index.html")) {
            EXPECT_TRUE(linkedFromStart.contains(page)) << page.toStdString() << " is not listed on the start page";
        }
    }
}
