// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/PaymentText.h"

#include "app/DocumentLanguage.h"

#include <QCoreApplication>

namespace quillbill {

namespace {

constexpr const char* context = "quillbill::PaymentMethod";

const char* methodSource(PaymentMethod method)
{
    switch (method) {
    case PaymentMethod::Cheque:
        return QT_TRANSLATE_NOOP("quillbill::PaymentMethod", "Cheque");
    case PaymentMethod::Cash:
        return QT_TRANSLATE_NOOP("quillbill::PaymentMethod", "Cash");
    case PaymentMethod::Transfer:
        return QT_TRANSLATE_NOOP("quillbill::PaymentMethod", "Transfer");
    case PaymentMethod::Card:
        return QT_TRANSLATE_NOOP("quillbill::PaymentMethod", "Card");
    case PaymentMethod::Other:
        return QT_TRANSLATE_NOOP("quillbill::PaymentMethod", "Other");
    }
    return "";
}

} // namespace

QString paymentMethodName(PaymentMethod method) { return QCoreApplication::translate(context, methodSource(method)); }

QString paymentMethodName(PaymentMethod method, const DocumentLanguage& words)
{
    return words.translate(context, methodSource(method));
}

} // namespace quillbill
