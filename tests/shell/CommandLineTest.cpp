// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The program's answers on the command line, from the real executable in a
// process of its own. It runs as a package installs it (bin/Quillbill beside
// share/quillbill) for a user with an empty home, and with no display, so
// that any window it tried to open would end it.

#include "common/ProgramInfo.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Answer {
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int exitCode = -1;
    QString out;
    QString err;
};

class InstalledProgram {
public:
    InstalledProgram()
    {
        const QDir prefix(prefix_.path());
        prefix.mkpath("bin");
        // Defaults to lay out: a start that got as far as the program folder
        // would copy them into the home folder.
        prefix.mkpath("share/quillbill/DataBase");
        prefix.mkpath("home");
        QFile::copy(QStringLiteral(QUILLBILL_PROGRAM), executable());
    }

    QString executable() const { return prefix_.path() + "/bin/Quillbill"; }
    QString home() const { return prefix_.path() + "/home"; }

    Answer run(const QStringList& arguments, const QString& language = QStringLiteral("C.UTF-8")) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", language);
        environment.remove("LANGUAGE");
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            environment.remove(QString::fromLatin1(name));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("HOME", home());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(executable(), arguments);
        Answer answer;
        EXPECT_TRUE(process.waitForFinished(60000));
        answer.exitStatus = process.exitStatus();
        answer.exitCode = process.exitCode();
        answer.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        answer.err = QString::fromLocal8Bit(process.readAllStandardError());
        return answer;
    }

    // What the program left in the home folder.
    QStringList homeEntries() const
    {
        return QDir(home()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private:
    QTemporaryDir prefix_;
};

struct Case {
    const char* argument;
    int exitCode;
    bool onStderr;
    // Text that must be in the stream the answer goes to (all of it, when
    // `whole`); the other stream stays empty.
    QStringList expected;
    bool whole;
};

TEST(CommandLineTest, AnswersOnTheTerminalWithoutADisplayOrAProgramFolder)
{
    const QString version = "Quillbill " + quillbill::ProgramInfo::versionNumber() + "\n";
    const Case cases[] = {
        {"--version", 0, false, {version}, true},
        {"-v", 0, false, {version}, true},
        {"--help", 0, false, {"Usage: Quillbill [options]", "--help", "--version"}, false},
        {"--frobnicate", 2, true, {"frobnicate", "Usage: Quillbill [options]"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        const InstalledProgram program;
        const Answer answer = program.run({QString::fromLatin1(c.argument)});
        ASSERT_EQ(answer.exitStatus, QProcess::NormalExit) << answer.err.toStdString();
        EXPECT_EQ(answer.exitCode, c.exitCode) << answer.err.toStdString();
        const QString& shown = c.onStderr ? answer.err : answer.out;
        EXPECT_TRUE((c.onStderr ? answer.out : answer.err).isEmpty());
        for (const QString& text : c.expected)
            EXPECT_TRUE(c.whole ? shown == text : shown.contains(text)) << shown.toStdString();
        EXPECT_EQ(program.homeEntries(), QStringList());
    }
}

// On a French desktop the answer is in French.
TEST(CommandLineTest, AnswersInTheDesktopsLanguage)
{
    const InstalledProgram program;
    const Answer answer = program.run({QStringLiteral("--help")}, QStringLiteral("fr_CA.UTF-8"));
    EXPECT_EQ(answer.exitCode, 0) << answer.err.toStdString();
    EXPECT_TRUE(answer.out.contains(QStringLiteral("Utilisation : Quillbill [options]"))) << answer.out.toStdString();
    EXPECT_EQ(program.homeEntries(), QStringList());
}

// Without options of its own, or with Qt's, the program goes on to
// QApplication, which fails here for want of a display: so the answers above
// came before any window, and Qt's options are not refused as unknown.
TEST(CommandLineTest, OtherwiseGoesOnToOpenItsWindow)
{
    const QStringList cases[] = {{}, {"-style", "Fusion"}, {"-platform", "xcb"}};
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Answer answer = InstalledProgram().run(arguments);
        EXPECT_FALSE(answer.exitStatus == QProcess::NormalExit && answer.exitCode == 0);
        EXPECT_TRUE(answer.err.contains("platform plugin")) << answer.err.toStdString();
        EXPECT_FALSE(answer.err.contains("Usage:")) << answer.err.toStdString();
    }
}

} // namespace
