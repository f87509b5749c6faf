// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace quillbill::testing {

// Starts `program` once for each list of `arguments`, waits until every one
// says "ready" (it has opened its files), lets them all go at the same
// moment with a line on their input, and waits for each to end with exit
// code 0. The children's side: print "ready", then read a line.
inline void runChildrenAtOnce(const QString& program, const std::vector<QStringList>& arguments)
{
    std::vector<std::unique_ptr<QProcess>> children;
    for (const QStringList& each : arguments) {
        children.push_back(std::make_unique<QProcess>());
        children.back()->start(program, each);
        ASSERT_TRUE(children.back()->waitForStarted(30000));
    }
    for (const auto& child : children) {
        while (!child->canReadLine())
            ASSERT_TRUE(child->waitForReadyRead(30000)) << child->readAllStandardError().constData();
        ASSERT_EQ(child->readLine(), "ready\n");
    }
    for (const auto& child : children)
        child->write("go\n");
    for (const auto& child : children) {
        ASSERT_TRUE(child->waitForFinished(100000));
        EXPECT_EQ(child->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child->exitCode(), 0) << child->readAllStandardError().constData();
    }
}

} // namespace quillbill::testing
