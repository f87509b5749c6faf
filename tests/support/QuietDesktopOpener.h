// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace quillbill::testing {

// Puts an "xdg-open" that does nothing first on PATH for the rest of the
// test program, since every file run of a report ends by opening its file
// and a test has no desktop to open it on. The opener may be started after
// the test that ended the run is over, so it stays. False when it could not
// be written.
inline bool installQuietDesktopOpener()
{
    static QTemporaryDir bin;
    static const bool installed = [] {
        QFile opener(bin.filePath(QStringLiteral("xdg-open")));
        const bool written = opener.open(QIODevice::WriteOnly) && opener.write("#!/bin/sh\nexit 0\n") > 0;
        opener.close();
        opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + qgetenv("PATH"));
        return written;
    }();
    return installed;
}

} // namespace quillbill::testing
