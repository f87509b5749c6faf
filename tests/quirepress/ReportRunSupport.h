// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// What the tests of report runs share: building sections and fields, the
// run's internals, and a stand-in for the desktop's "open this file"
// program that records what it was asked to open.

#include "RecordedMessages.h"

#include "api/ReportInternals.h"
#include "drawing/PageSteps.h"
#include "drawing/PainterSurface.h"
#include "model/Report_p.h"
#include "output/ReportRun.h"
#include "windows/frmDisplay.h"
#include "windows/frmProgress.h"

#include <quirepress/quirepress.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
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

inline std::shared_ptr<quirepress::Field> addText(
    quirepress::Section& section, const QString& name, int32_t left, int32_t top, int32_t width, const QString& value,
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

using quirepress::detail::runOf;

// The run's windows as the widgets they are.
inline quirepress::detail::frmDisplay* previewOf(quirepress::Report& report)
{
    return dynamic_cast<quirepress::detail::frmDisplay*>(runOf(report).preview());
}
inline quirepress::detail::frmProgress* progressOf(quirepress::Report& report)
{
    return dynamic_cast<quirepress::detail::frmProgress*>(runOf(report).progress());
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
    void Delivered(quirepress::OutputOptions Target, const QString& FileName) override
    {
        said << QStringLiteral("Delivered %1 %2").arg(int(Target)).arg(FileName).trimmed();
    }

    QStringList said;
    bool cancelFooters = false;
    std::function<void()> onNewPage;

private:
    quirepress::Report& report_;
};

// Puts a recording stand-in for a desktop program ("xdg-open",
// "xdg-email") first on PATH for as long as it lives. Each call leaves a
// file of its arguments, separated by NUL characters.
class RecordingProgram {
public:
    explicit RecordingProgram(const QString& name)
    {
        oldPath_ = qgetenv("PATH");
        QDir(folder_.path()).mkdir(QStringLiteral("calls"));
        QFile file(folder_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n"
                   "call=\"$(dirname \"$0\")/calls/$(date +%s%N)\"\n"
                   "for argument in \"$@\"; do printf '%s\\0' \"$argument\"; done > \"$call.part\"\n"
                   "mv \"$call.part\" \"$call\"\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", folder_.path().toLocal8Bit() + ':' + oldPath_);
    }
    ~RecordingProgram() { qputenv("PATH", oldPath_); }
    RecordingProgram(const RecordingProgram&) = delete;
    RecordingProgram& operator=(const RecordingProgram&) = delete;

    // The arguments of every call so far, once `expected` calls have been
    // made (the program is started without waiting for it), or after three
    // seconds.
    QList<QStringList> calls(int expected = 1) const
    {
        QList<QStringList> made;
        (void)QTest::qWaitFor([&] { return (made = read()).size() >= expected; }, 3000);
        return made;
    }

    // The first argument of every call: the files an opener was given.
    QStringList opened(int expected = 1) const
    {
        QStringList files;
        for (const QStringList& call : calls(expected))
            files << call.value(0);
        return files;
    }

    // True when nothing has been called, even after a moment's wait.
    bool nothingOpened() const
    {
        QTest::qWait(300);
        return read().isEmpty();
    }

private:
    QList<QStringList> read() const
    {
        QList<QStringList> made;
        const QDir calls(folder_.filePath(QStringLiteral("calls")));
        for (const QString& name : calls.entryList({QStringLiteral("[0-9]*")}, QDir::Files, QDir::Name)) {
            if (name.endsWith(QLatin1String(".part")))
                continue;
            QFile call(calls.filePath(name));
            if (!call.open(QIODevice::ReadOnly))
                continue;
            QStringList arguments = QString::fromUtf8(call.readAll()).split(QChar(0));
            arguments.removeLast(); // after the last separator
            made << arguments;
        }
        return made;
    }

    QTemporaryDir folder_;
    QByteArray oldPath_;
};

// The desktop's "open this file" program.
class DesktopOpener : public RecordingProgram {
public:
    DesktopOpener() : RecordingProgram(QStringLiteral("xdg-open")) {}
};

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sends every page of the report's screen runs straight to its spool file,
// so that the life of that file can be watched.
inline void spoolEveryPage(quirepress::Report& report)
{
    quirepress::ReportPrivate::of(report)->pageSpool.setMemoryBound(0);
}

inline QString spoolFileOf(quirepress::Report& report)
{
    return quirepress::ReportPrivate::of(report)->pageSpool.path();
}

// Whether page `page` of the report's last screen run is kept and can be
// read back.
inline bool keepsPage(quirepress::Report& report, int page)
{
    return quirepress::ReportPrivate::of(report)->pageSpool.page(page).has_value();
}

// Page `page` of the report's last screen run drawn at the screen's
// resolution, as the preview shows it at 100%; a null image when there is
// no such page.
inline QImage pageImage(quirepress::Report& report, int page)
{
    const quirepress::detail::PageSpool& pages = quirepress::ReportPrivate::of(report)->pageSpool;
    const auto drawing = pages.page(page);
    if (!drawing)
        return {};
    quirepress::detail::ScreenPage sheet(pages.pageSize().width(), pages.pageSize().height());
    quirepress::detail::PainterSurface surface(&sheet.image(), quirepress::detail::ScreenPage::dotsPerInch);
    quirepress::detail::drawSteps(*drawing, surface);
    return sheet.image();
}

} // namespace runsupport
