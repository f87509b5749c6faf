// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/CreditNoteMaking.h"

#include "invoicing/InvoiceForms.h"
#include "invoicing/InvoiceRows.h"

#include <QCoreApplication>

namespace quillbill {

CreditNoteMaking::CreditNoteMaking(const Database& database, QString user, int32_t customerId, int32_t invoiceId)
    : database_(database),
      user_(std::move(user)),
      customerId_(customerId),
      invoiceId_(invoiceId),
      invoice_(CreditNotes(database, user_).creditable(customerId, invoiceId))
{}

CreditNoteMaking::Judged CreditNoteMaking::judge(const std::vector<QString>& typed, const QLocale& locale) const
{
    Judged judged;
    int64_t total = 0;
    for (size_t index = 0; index < invoice_.jobs.size() && index < typed.size(); ++index) {
        const CreditableJob& job = invoice_.jobs[index];
        if (typed[index].trimmed().isEmpty())
            continue;
        const std::optional<Money> amount = Money::readTyped(typed[index], locale);
        const QString name = job.job.description;
        if (!amount) {
            judged.problem = QCoreApplication::translate("quillbill::CreditNoteMaking",
                                                         "\"%1\" is not an amount to credit of \"%2\".")
                                 .arg(typed[index], name);
            return judged;
        }
        if (amount->units() == 0)
            continue;
        const int64_t open = job.open.units();
        const bool sameSign = (amount->units() > 0) == (open > 0);
        if (open == 0 || !sameSign || (open > 0 ? amount->units() > open : amount->units() < open)) {
            judged.problem =
                QCoreApplication::translate("quillbill::CreditNoteMaking", "\"%1\" has %2 left to credit, not %3.")
                    .arg(name, dollars(fromTenThousandths(open), locale),
                         dollars(fromTenThousandths(amount->units()), locale));
            return judged;
        }
        judged.lines.push_back({job.job.jobId, *amount});
        total += amount->units();
    }
    judged.total = Money::fromUnits(total);
    if (judged.lines.empty() || total <= 0)
        judged.problem = QCoreApplication::translate(
            "quillbill::CreditNoteMaking", "Please enter what the credit note takes back of the invoice's jobs.");
    else if (total > invoice_.open.units())
        judged.problem =
            QCoreApplication::translate("quillbill::CreditNoteMaking", "The invoice has %1 left to credit, not %2.")
                .arg(dollars(fromTenThousandths(invoice_.open.units()), locale),
                     dollars(fromTenThousandths(total), locale));
    return judged;
}

int32_t CreditNoteMaking::make(const std::vector<CreditLine>& lines, const QString& reason)
{
    const CreditNotes notes(database_, user_);
    const int32_t note = notes.make(customerId_, invoiceId_, lines, reason.trimmed(),
                                    currentHeader(database_, customerId_), QDate::currentDate());
    reread();
    return note;
}

void CreditNoteMaking::reread() { invoice_ = CreditNotes(database_, user_).creditable(customerId_, invoiceId_); }

} // namespace quillbill
