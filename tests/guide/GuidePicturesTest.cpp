// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The user guide's and the README's pictures are taken from the program by
// the picture tool (scripts/guide-screenshots.sh). A change to a window that
// stops the tool, or a page that shows a picture the tool does not take,
// leaves the guide showing windows as they no longer are, unnoticed until
// someone reruns the script. The tool is run here as the script runs it.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The pictures that the files matching `filter` in `folder` show, as paths
// below `folder`, found by `pattern`'s first group.
QSet<QString> picturesShownIn(const QString& folder, const QString& filter, const QRegularExpression& pattern)
{
    QSet<QString> pictures;
    for (const QString& name : QDir(folder).entryList({filter}, QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            ADD_FAILURE() << "cannot read " << name.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& match : pattern.globalMatch(text))
            pictures << match.captured(1);
    }
    return pictures;
}

TEST(GuidePictures, TheToolTakesEveryPictureThePagesAndTheReadmeShow)
{
    const QString source = QStringLiteral(QUILLBILL_SOURCE_DIR);
    const QSet<QString> guidePictures = picturesShownIn(source + "/program-files/HelpFile", "*.html",
                                                        QRegularExpression(R"re(<img src="images/([^"]+)")re"));
    const QSet<QString> readmePictures =
        picturesShownIn(source, "README.md", QRegularExpression(R"re(\]\(docs/([^)]+\.png)\))re"));
    ASSERT_FALSE(guidePictures.isEmpty());
    ASSERT_FALSE(readmePictures.isEmpty());

    QTemporaryDir images;
    QTemporaryDir readme;
    QProcess tool;
    tool.start(QStringLiteral(QUILLBILL_SCREENSHOTS_TOOL), {"--guide", images.path(), readme.path()});
    ASSERT_TRUE(tool.waitForFinished(100'000)) << "the tool did not end";
    ASSERT_EQ(tool.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    for (const auto& [folder, pictures] : {std::pair{images.path(), guidePictures}, {readme.path(), readmePictures}})
        for (const QString& picture : pictures) {
            const QImage taken(QDir(folder).filePath(picture));
            EXPECT_FALSE(taken.isNull()) << picture.toStdString() << " was not taken";
            EXPECT_GT(taken.width(), 100) << picture.toStdString();
        }
}

} // namespace
