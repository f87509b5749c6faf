// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/startup/CommandLine.h"

#include "common/ProgramInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quillbill {

namespace {

// The options QApplication takes for itself. They are known here only so
// that they are not refused as unknown; QApplication acts on them.
const char* const qtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qmljsdebugger", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",      "style",
    "stylesheet"};
const char* const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The answer comes before the application object exists: it is in the
// program's language only where a translator is installed by then.
QString usage()
{
    //: The answer to --help: %1 is the program's name, %2 its one-line description. The option names
    //: (-h, --help, -v, --version, -platform, -style) stay as they are.
    return QCoreApplication::translate("quillbill::CommandLine",
                                       "Usage: %1 [options]\n"
                                       "%2. Without options it opens its window.\n"
                                       "\n"
                                       "Options:\n"
                                       "  -h, --help     Show this help and exit.\n"
                                       "  -v, --version  Show the version and exit.\n"
                                       "\n"
                                       "Qt's options for the window system, such as -platform and -style, are\n"
                                       "passed on to Qt.\n")
        .arg(ProgramInfo::title, ProgramInfo::comments());
}

void print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

} // namespace

std::optional<int> answerCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options are single words after one dash: "-style" is not -s -t -y ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : qtOptionsWithValue)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : qtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments)) {
        //: A refused command line: %1 is the program's name, %2 what was wrong with it.
        print(stderr,
              QCoreApplication::translate("quillbill::CommandLine", "%1: %2\n\n")
                      .arg(ProgramInfo::title, parser.errorText())
                  + usage());
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, usage());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(ProgramInfo::title, ProgramInfo::versionNumber()));
        return 0;
    }
    return std::nullopt;
}

} // namespace quillbill
