#include "invoicing/PaymentText.h"

#include <QObject>

namespace quillbill {

QString paymentMethodName(PaymentMethod method)
{
    switch (method) {
    case PaymentMethod::Cheque:
        return QObject::tr("Cheque");
    case PaymentMethod::Cash:
        return QObject::tr("Cash");
    case PaymentMethod::Transfer:
        return QObject::tr("Transfer");
    case PaymentMethod::Card:
        return QObject::tr("Card");
    case PaymentMethod::Other:
        return QObject::tr("Other");
    }
    return {};
}

} // namespace quillbill
