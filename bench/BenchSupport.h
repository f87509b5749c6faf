// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// What the benchmarks share: a report that never waits on a message box,
// the detail section of an invoice list, and the folder output goes to.

#include <quirepress/quirepress.h>

#include <QString>

#include <memory>

namespace bench {

// Message boxes that answer No and show nothing, so that no run can stop
// on a dialog nobody will ever click.
class SilentMessageBoxes final : public quirepress::MessageBoxes {
public:
    bool askYesNo(const QString&, const QString&) override { return false; }
    void inform(const QString&, const QString&) override {}
};

inline std::unique_ptr<quirepress::Report> silentReport()
{
    return std::make_unique<quirepress::Report>(std::make_shared<SilentMessageBoxes>());
}

// Adds a one-line text field 2000 twips wide at `left` in `section`.
void addText(quirepress::Section& section, const QString& name, int32_t left, const QString& value,
             quirepress::Justifications justification = quirepress::cJustificationLeft);

// Adds the section "Detail" with one line of an invoice list: customer,
// invoice number, date and a right-justified amount.
std::shared_ptr<quirepress::Section> addInvoiceLine(quirepress::Report& report, int32_t height);

// A file of the benchmarks' temporary folder (TMPDIR, set by main()).
QString outputPath(const QString& name);

// The processor time the whole process has used so far, in seconds.
double processorSeconds();

// A figure of /proc/self/status in bytes ("VmRSS" now, "VmHWM" the peak);
// 0 when unknown.
double processMemory(const char* key);

} // namespace bench
