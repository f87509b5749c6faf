// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The benchmarks' main(): a QApplication, since text is measured with Qt's
// fonts, on the offscreen platform unless another is asked for; a temporary
// folder for page images and output files; and a stand-in for the desktop's
// opener, which every file run starts at its end.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform says, for every progress window shown, that it
// cannot raise it; those lines would bury the results.
void dropOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qtHandler(type, context, message);
}

// Puts an "xdg-open" that does nothing first on PATH, so that ending a file
// run neither opens a window for every run nor depends on the desktop.
bool installSilentOpener(const QTemporaryDir& temporary)
{
    const QString folder = temporary.filePath(QStringLiteral("bin"));
    if (!QDir().mkpath(folder))
        return false;
    QFile script(QDir(folder).filePath(QStringLiteral("xdg-open")));
    if (!script.open(QIODevice::WriteOnly) || script.write("#!/bin/sh\nexit 0\n") < 0)
        return false;
    script.close();
    if (!script.setPermissions(script.permissions() | QFileDevice::ExeOwner))
        return false;
    qputenv("PATH", QFile::encodeName(folder) + ':' + qgetenv("PATH"));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir temporary(QDir::temp().filePath(QStringLiteral("quirepress-bench-XXXXXX")));
    if (!temporary.isValid() || !installSilentOpener(temporary)) {
        std::fprintf(stderr, "cannot prepare a temporary folder for the benchmarks\n");
        return 1;
    }
    // Page images and output files land here and go with it; the file
    // dialogs' history of whoever runs this is left alone.
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(temporary.path()));

    qtHandler = qInstallMessageHandler(dropOffscreenNotices);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
