// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/DetachedProgram.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace quirepress::detail {

namespace {

// Runs the program ("$0") with its arguments ("$@") in the background: the
// program then belongs to the system, not to the caller, once the shell has
// ended.
constexpr char startInBackground[] = "\"$0\" \"$@\" &";

// Spawning attributes that give the shell a clean signal state: none
// blocked, whatever the calling thread blocks, and the default action for
// those a caller may have set to be ignored.
class CleanSignals {
public:
    CleanSignals()
    {
        posix_spawnattr_init(&attributes_);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes_, &none);
        sigset_t reset;
        sigemptyset(&reset);
        for (const int signal : {SIGPIPE, SIGCHLD, SIGINT, SIGQUIT, SIGHUP, SIGTERM})
            sigaddset(&reset, signal);
        posix_spawnattr_setsigdefault(&attributes_, &reset);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~CleanSignals() { posix_spawnattr_destroy(&attributes_); }
    CleanSignals(const CleanSignals&) = delete;
    CleanSignals& operator=(const CleanSignals&) = delete;

    const posix_spawnattr_t* get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

} // namespace

bool startDetachedProgram(const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return false;
    std::vector<QByteArray> encoded{QByteArrayLiteral("sh"), QByteArrayLiteral("-c"), QByteArray(startInBackground),
                                    QFile::encodeName(path)};
    for (const QString& argument : arguments)
        encoded.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& each : encoded)
        argv.push_back(each.data());
    argv.push_back(nullptr);

    const CleanSignals attributes;
    pid_t shell = 0;
    if (posix_spawn(&shell, "/bin/sh", nullptr, attributes.get(), argv.data(), environ) != 0)
        return false;
    // The shell ends as soon as it has started the program. ECHILD: a
    // handler of the caller's reaped it first.
    int status = 0;
    pid_t waited = 0;
    do
        waited = waitpid(shell, &status, 0);
    while (waited < 0 && errno == EINTR);
    return waited < 0 || (WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

} // namespace quirepress::detail
