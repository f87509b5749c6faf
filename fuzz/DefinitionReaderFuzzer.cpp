// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// libFuzzer target: any bytes given to the report definition reader either
// load or end in a quirepress::Error; nothing may crash, hang or leak.

#include <quirepress/quirepress.h>

#include "model/ProfileFile.h"
#include "model/ReportDefinition.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

class SilentMessages final : public quirepress::MessageBoxes {
public:
    bool askYesNo(const QString&, const QString&) override { return false; }
    void inform(const QString&, const QString&) override {}
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    quirepress::Report report(std::make_shared<SilentMessages>());
    try {
        const auto reader = quirepress::detail::ProfileReader::fromBytes(bytes);
        quirepress::detail::readDefinition(report, reader);
    } catch (const quirepress::Error&) {
        // A damaged definition is refused with an error: that is the point.
    }
    return 0;
}
