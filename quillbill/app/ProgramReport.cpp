// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "app/ProgramReport.h"

#include <QApplication>

#include <memory>

namespace quillbill {

namespace {

// Hands the engine's boxes to the program's. The program's message boxes
// outlive every report: AppContext holds them for the whole run.
class ProgramMessageBoxes final : public quirepress::MessageBoxes {
public:
    explicit ProgramMessageBoxes(quillbill::MessageBoxes& messages) : messages_(messages) {}

    bool askYesNo(const QString& text, const QString& title) override
    {
        return messages_.askYesNo(QApplication::activeWindow(), text, title);
    }
    void inform(const QString& text, const QString& title) override
    {
        messages_.inform(QApplication::activeWindow(), text, title);
    }

private:
    quillbill::MessageBoxes& messages_;
};

} // namespace

quirepress::Report newProgramReport(MessageBoxes& messages)
{
    quirepress::Report report(std::make_shared<ProgramMessageBoxes>(messages));
    // Every value the program prints is text someone typed: a customer
    // called "Smith & Sons <West>" must read so in an e-mailed invoice.
    report.setHtmlValuesAreText(true);
    // A long report to the screen shows its first page while the rest is
    // made, rather than after all of it.
    report.setFirstPageAtOnce(true);
    return report;
}

} // namespace quillbill
