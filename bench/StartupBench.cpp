// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Start-up: Quillbill beside a Qt Widgets hello-world, from process start
// to its first window on the screen.
//
// Both are started as a user starts them, each as a fresh process on the
// offscreen platform, and both are ended by the same preloaded watcher
// (FirstWindowExit) at their first window's expose: the programs are the
// ones users run, unchanged. Quillbill runs in a program folder of its own
// holding the delivered database, with the splash switched off, so that its
// first window is the login: everything before it (the dynamic loader,
// QApplication, the translations, opening the database) is its start-up.
// The two alternate, the first of each pair changing, so that other work on
// the machine weighs on both alike. Reported: the median wall time of each,
// their ratio, and the same for the CPU time the processes used (user and
// system), which other work disturbs less.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct RunTime {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    int status = -1;
};

// The environment the programs get: the benchmark's (offscreen platform,
// temporary configuration folder), with the watcher preloaded.
std::vector<std::string> childEnvironment()
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        if (std::string_view(*entry).starts_with("LD_PRELOAD="))
            continue;
        environment.emplace_back(*entry);
    }
    environment.emplace_back("LD_PRELOAD=" FIRST_WINDOW_EXIT);
    return environment;
}

RunTime startAndWait(const std::string& program, const std::vector<std::string>& environment)
{
    std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    // Qt's notices of what the offscreen platform cannot do stay off the
    // results.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    RunTime run;
    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, 0, &usage) == child && WIFEXITED(status))
            run.status = WEXITSTATUS(status);
        run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    run.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A program folder as an office's: the program and the delivered database.
// The executable is a copy of the build's (it finds its libraries through
// its run path), so that the build's own folder is not touched.
bool layOutProgramFolder(const QTemporaryDir& folder)
{
    const QDir dir(folder.path());
    if (!QFile::copy(QStringLiteral(QUILLBILL_PROGRAM), dir.filePath(QStringLiteral("Quillbill")))
        || !dir.mkpath(QStringLiteral("DataBase"))
        || !QFile::copy(QStringLiteral(QUILLBILL_DELIVERED_DATABASE),
                        dir.filePath(QStringLiteral("DataBase/db_be.mdb"))))
        return false;
    // The benchmarks' configuration folder is their own (BenchMain).
    QSettings options(QStringLiteral("Quillbill"), QStringLiteral("Quillbill"));
    options.setValue(QStringLiteral("Options/Show Splash at Startup"), QStringLiteral("0"));
    options.sync();
    return options.status() == QSettings::NoError;
}

void BM_StartToFirstWindow(benchmark::State& state)
{
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("startup-XXXXXX")));
    if (!folder.isValid() || !layOutProgramFolder(folder)) {
        state.SkipWithError("cannot lay out a program folder");
        return;
    }
    const std::string hello = HELLO_WORLD;
    const std::string quillbill =
        QFile::encodeName(QDir(folder.path()).filePath(QStringLiteral("Quillbill"))).toStdString();
    const std::vector<std::string> environment = childEnvironment();
    // Once each untimed, so that every timed run finds the files in the
    // page cache, as a second start does.
    for (const std::string& program : {hello, quillbill}) {
        if (startAndWait(program, environment).status != FIRST_WINDOW_STATUS) {
            state.SkipWithError(("did not reach its first window: " + program).c_str());
            return;
        }
    }

    std::vector<double> helloWall, helloCpu, quillbillWall, quillbillCpu;
    bool helloFirst = true;
    for (auto _ : state) {
        RunTime helloRun, quillbillRun;
        if (helloFirst) {
            helloRun = startAndWait(hello, environment);
            quillbillRun = startAndWait(quillbill, environment);
        } else {
            quillbillRun = startAndWait(quillbill, environment);
            helloRun = startAndWait(hello, environment);
        }
        helloFirst = !helloFirst;
        if (helloRun.status != FIRST_WINDOW_STATUS || quillbillRun.status != FIRST_WINDOW_STATUS) {
            state.SkipWithError("a program did not reach its first window");
            return;
        }
        state.SetIterationTime(quillbillRun.wallSeconds);
        helloWall.push_back(helloRun.wallSeconds);
        helloCpu.push_back(helloRun.cpuSeconds);
        quillbillWall.push_back(quillbillRun.wallSeconds);
        quillbillCpu.push_back(quillbillRun.cpuSeconds);
    }
    state.counters["hello_ms"] = median(helloWall) * 1e3;
    state.counters["quillbill_ms"] = median(quillbillWall) * 1e3;
    state.counters["ratio"] = median(quillbillWall) / median(helloWall);
    state.counters["hello_cpu_ms"] = median(helloCpu) * 1e3;
    state.counters["quillbill_cpu_ms"] = median(quillbillCpu) * 1e3;
    state.counters["cpu_ratio"] = median(quillbillCpu) / median(helloCpu);
}
// The time column is Quillbill's mean wall time; the counters are medians.
BENCHMARK(BM_StartToFirstWindow)->Iterations(60)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
