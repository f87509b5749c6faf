#pragma once

// What the tests of report runs share: building sections and fields, the
// run's internals, and a stand-in for the desktop's "open this file"
// program that records what it was asked to open.

#include "RecordedMessages.h"

#include "model/Report_p.h"
#include "output/ReportRun.h"

#include <quirepress/quirepress.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace runsupport {

inline std::shared_ptr<quirepress::Section> addSection(quirepress::Report& report, const QString& name, int32_t height,
                                                       int32_t width = 12000)
{
    QString used = name;
    auto section = report.AddSection(used);
    section->setHeight(height);
    section->setWidth(width);
    return section;
}

inline std::shared_ptr<quirepress::Field> addText(quirepress::Section& section, const QString& name, int32_t left,
                                                  int32_t top, int32_t width, const QString& value,
                                                  quirepress::Justifications justification = quirepress::cJustificationLeft)
{
    QString used = name;
    auto field = section.AddField(used);
    field->setFieldLeft(left);
    field->setFieldTop(top);
    field->setFieldWidth(width);
    field->setValue(value);
    field->setJustification(justification);
    return field;
}

// A square: a filled box, or a line between its corners.
inline std::shared_ptr<quirepress::Field> addSquare(quirepress::Section& section, const QString& name, int32_t left,
                                                    int32_t top, int32_t width, int32_t height, bool box,
                                                    int32_t fill = 0)
{
    auto field = addText(section, name, left, top, width, QString());
    field->setFieldType(quirepress::cFieldSquare);
    field->setFieldHeight(height);
    field->setFieldBox(box);
    field->setBackColour(fill);
    return field;
}

inline quirepress::detail::ReportRun& runOf(quirepress::Report& report)
{
    return *quirepress::ReportPrivate::of(report)->run;
}

// Events of a report as they came, with the page count at the time.
class RecordedEvents : public quirepress::ReportEvents {
public:
    explicit RecordedEvents(quirepress::Report& report) : report_(report) { report.setEvents(this); }
    ~RecordedEvents() override { report_.setEvents(nullptr); }

    void NewPage() override
    {
        said << QStringLiteral("NewPage %1").arg(report_.PageCount());
        if (onNewPage)
            onNewPage();
    }
    void PrintPageFooter(const QString& SectionName, bool LastPage, bool& Cancel) override
    {
        said << QStringLiteral("PrintPageFooter %1 %2 page %3")
                    .arg(SectionName, LastPage ? QStringLiteral("last") : QStringLiteral("not last"))
                    .arg(report_.PageCount());
        Cancel = cancelFooters;
    }

    QStringList said;
    bool cancelFooters = false;
    std::function<void()> onNewPage;

private:
    quirepress::Report& report_;
};

// Puts a recording "xdg-open" first on PATH for as long as it lives.
class DesktopOpener {
public:
    DesktopOpener()
    {
        oldPath_ = qgetenv("PATH");
        const QString script = folder_.filePath(QStringLiteral("xdg-open"));
        QFile file(script);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened.txt\"\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", folder_.path().toLocal8Bit() + ':' + oldPath_);
    }
    ~DesktopOpener() { qputenv("PATH", oldPath_); }
    DesktopOpener(const DesktopOpener&) = delete;
    DesktopOpener& operator=(const DesktopOpener&) = delete;

    // The files opened so far, once `expected` of them have been (the
    // program is started without waiting for it), or after three seconds.
    QStringList opened(int expected = 1) const
    {
        QStringList files;
        (void)QTest::qWaitFor([&] { return (files = read()).size() >= expected; }, 3000);
        return files;
    }

    // True when nothing has been opened, even after a moment's wait.
    bool nothingOpened() const
    {
        QTest::qWait(300);
        return read().isEmpty();
    }

private:
    QStringList read() const
    {
        QFile record(folder_.filePath(QStringLiteral("opened.txt")));
        if (!record.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(record.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir folder_;
    QByteArray oldPath_;
};

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace runsupport
