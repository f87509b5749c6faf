// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "customers/CustomerForm.h"

#include "common/Controls.h"
#include "common/KeyFilter.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace quillbill {

namespace {

constexpr int postalLength = 6;
constexpr int phoneLength = 10;

void showWhole(QLineEdit* box, const QString& text)
{
    if (text.size() > box->maxLength())
        box->setMaxLength(static_cast<int>(text.size()));
    box->setText(text);
}

} // namespace

CustomerForm::CustomerForm(bool billingCodeEditable, QWidget* parent) : QWidget(parent)
{
    setObjectName("CustomerForm");
    auto* grid = new QGridLayout;
    const QString phoneHint = tr("10 digits, no spaces or dashes");

    txtCompany_ = addBox(grid, "txtCompany", tr("&Company Name"), true);
    txtAddress_ = addBox(grid, "txtAddress", tr("A&ddress"), true);
    txtCity_ = addBox(grid, "txtCity", tr("Cit&y"), true);
    txtProv_ = addBox(grid, "txtProv", tr("P&rovince"), true);
    txtPostal_ = addBox(grid, "txtPostal", tr("Posta&l Code"), true);
    txtPhone_ = addBox(grid, "txtPhone", tr("P&hone Number"), false, phoneHint);
    txtFax_ = addBox(grid, "txtFax", tr("Fa&x Number"), false, phoneHint);
    txtBillCode_ = addBox(grid, "txtBillCode", tr("&Billing Code"), billingCodeEditable);
    txtBillCode_->setEnabled(billingCodeEditable);

    limitTyping(txtPostal_, postalLength);
    KeyFilter::install(txtPostal_, KeyFilter::isDigitOrLetter);
    for (QLineEdit* box : {txtPhone_, txtFax_}) {
        limitTyping(box, phoneLength);
        KeyFilter::install(box, KeyFilter::isDigit);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addWidget(makeLabel("lblRequired", tr("* Required Feilds")));
}

QLineEdit* CustomerForm::addBox(QGridLayout* grid, const char* name, const QString& label, bool required,
                                const QString& hint)
{
    // rowCount() is 1 for an empty grid; count() tells whether anything is in it.
    const int row = grid->count() == 0 ? 0 : grid->rowCount();
    QLineEdit* box = makeTextBox(name);
    // The label is the box's buddy, which also gives the box its accessible name.
    QLabel* caption = makeLabel(QString(), label);
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    if (required) {
        grid->addWidget(new QLabel(QStringLiteral("*")), row, 2);
        box->setAccessibleDescription(tr("Required"));
    } else if (!hint.isEmpty()) {
        grid->addWidget(new QLabel(hint), row, 2);
        box->setAccessibleDescription(hint);
    }
    return box;
}

// The limit holds for what is typed, not for what is shown: a stored value
// that is longer, such as a phone number saved in its "(###) ###-####"
// pattern, is shown whole so that saving it again does not cut it short. The
// limit follows such a value down as it is shortened and is back once the
// text fits.
void CustomerForm::limitTyping(QLineEdit* box, int length)
{
    box->setMaxLength(length);
    connect(box, &QLineEdit::textChanged, box,
            [box, length] { box->setMaxLength(static_cast<int>(std::max<qsizetype>(length, box->text().size()))); });
}

void CustomerForm::display(const Customer& customer)
{
    showWhole(txtCompany_, customer.company);
    showWhole(txtAddress_, customer.address);
    showWhole(txtCity_, customer.city);
    showWhole(txtProv_, customer.prov);
    showWhole(txtPostal_, customer.postal);
    showWhole(txtPhone_, customer.phone);
    showWhole(txtFax_, customer.fax);
    showWhole(txtBillCode_, customer.billingCode);
}

Customer CustomerForm::entered() const
{
    Customer customer;
    customer.company = txtCompany_->text();
    customer.address = txtAddress_->text();
    customer.city = txtCity_->text();
    customer.prov = txtProv_->text();
    customer.postal = txtPostal_->text();
    customer.phone = txtPhone_->text();
    customer.fax = txtFax_->text();
    customer.billingCode = txtBillCode_->text();
    return customer;
}

} // namespace quillbill
