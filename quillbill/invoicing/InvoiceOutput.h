// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "invoicing/BuildInvoiceData.h"
#include "records/invoices/IssuedInvoices.h"

#include <quirepress/Enums.h>

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

class QWidget;

namespace quillbill {

struct AppContext;
class clsSimple;

// Shows a stored invoice in the preview, or writes it as Invoice-N.html (or
// .pdf, as the mail settings choose) in a folder of that run's own and opens
// the e-mail window on it: what every window that offers "Print Invoice" and
// "Email This Invoice" does. An invoice without jobs is neither shown nor
// written: it would bill nothing. Failures are shown to the user here;
// callers only choose the invoice.
//
// A draft is issued when its document first leaves the office as it was
// shown: printed from the preview, saved there as a PDF, or mailed. A
// preview alone, or a mail window closed unsent, leaves it a draft.
class InvoiceOutput {
public:
    explicit InvoiceOutput(AppContext& app);
    ~InvoiceOutput();
    InvoiceOutput(const InvoiceOutput&) = delete;
    InvoiceOutput& operator=(const InvoiceOutput&) = delete;

    // Opens the preview of the invoice. False when it failed.
    bool preview(int32_t invoiceId, int32_t customerId);

    // Writes the invoice to the file the mail settings choose and, only when
    // the run ended with that file written, opens the e-mail window over
    // `window`, modal to it; the window holds the file until it closes.
    void email(int32_t invoiceId, int32_t customerId, QWidget* window);

    // Called after a document of this output issued its invoice, so that
    // the window shows it issued.
    void setOnIssued(std::function<void(InvoiceSelection)> handler) { onIssued_ = std::move(handler); }

private:
    // Records the invoice issued, and tells the window.
    void issued(InvoiceSelection invoice, const InvoiceContent& shown, IssueRoute route);
    // Whether the invoice has a job; tells the user why not when it has none.
    bool hasJobs(int32_t invoiceId, int32_t customerId);
    // Makes a new document for the invoice and runs it to `output`. False
    // when it failed (the user has been told).
    bool run(int32_t invoiceId, int32_t customerId, quirepress::OutputOptions output, const QString& outputFile);

    AppContext& app_;
    std::function<void(InvoiceSelection)> onIssued_;
    // The last document, kept so that its preview stays open.
    std::unique_ptr<clsSimple> document_;
};

} // namespace quillbill
