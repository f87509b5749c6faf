// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "company/frmEdit.h"

#include "app/AppContext.h"
#include "common/Controls.h"
#include "common/EnterKey.h"
#include "common/KeyFilter.h"
#include "common/ProgramInfo.h"
#include "common/WindowSize.h"
#include "records/DatabaseError.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

frmEdit::frmEdit(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::EditMyCompany, parent),
      app_(app),
      txtCompany_(makeTextBox("txtCompany")),
      txtAddress_(makeTextBox("txtAddress")),
      txtCity_(makeTextBox("txtCity")),
      txtProv_(makeTextBox("txtProv")),
      txtPostal_(makeTextBox("txtPostal")),
      TxtPhone_(makeTextBox("TxtPhone")),
      txtCell_(makeTextBox("txtCell")),
      txtEmail_(makeTextBox("txtEmail")),
      txtVendor_(makeTextBox("txtVendor")),
      txtGST_(makeTextBox("txtGST")),
      txtPST_(makeTextBox("txtPST")),
      txtGST_Number_(makeTextBox("txtGST_Number")),
      txtGSTName_(makeTextBox("txtGSTName")),
      txtPSTName_(makeTextBox("txtPSTName")),
      txtPSTNumber_(makeTextBox("txtPSTNumber")),
      cmdSave_(makeButton("cmdSave", tr("Save"))),
      cmdCancel_(makeButton("cmdCancel", tr("Close")))
{
    setObjectName("frmEdit");
    setWindowTitle(tr("Edit My Company Info"));

    // A rate is a percentage 0 to 100 with up to three decimals ("9.975"):
    // seven characters at most. Whatever else is typed is refused on save,
    // never changed.
    txtGST_->setMaxLength(7);
    txtPST_->setMaxLength(7);
    KeyFilter::install(txtPostal_, KeyFilter::isDigitOrLetter);
    KeyFilter::install(TxtPhone_, KeyFilter::isDigit);
    KeyFilter::install(txtCell_, KeyFilter::isDigit);

    auto* form = new QFormLayout;
    addBox(form, tr("Company Name"), txtCompany_, true);
    addBox(form, tr("Address"), txtAddress_, true);
    addBox(form, tr("City"), txtCity_, true);
    addBox(form, tr("Province"), txtProv_, true);
    addBox(form, tr("Postal Code"), txtPostal_, true);
    addBox(form, tr("Phone Number"), TxtPhone_, false);
    addBox(form, tr("Cell Number"), txtCell_, false);
    addBox(form, tr("Email"), txtEmail_, false);
    addBox(form, tr("Vendor Number"), txtVendor_, false);
    addBox(form, tr("GST Amount"), txtGST_, true, true);
    addBox(form, tr("PST Amount"), txtPST_, true, true);
    form->addRow(QString(), makeLabel("lblRateNote", tr("*     0 to 100, up to three decimals (9.975)")));
    addBox(form, tr("GST Number"), txtGST_Number_, false);
    addBox(form, tr("GST Name"), txtGSTName_, false);
    addBox(form, tr("PST Name"), txtPSTName_, false);
    addBox(form, tr("PST Number"), txtPSTNumber_, false);
    auto* nameNote = makeLabel("lblTaxNameNote",
                               tr("The names print on the invoice (HST, QST); a second tax "
                                  "with no name and a rate of 0 prints no line."));
    nameNote->setWordWrap(true);
    form->addRow(QString(), nameNote);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(makeLabel("lblRequiredNote", tr("* Required Feilds")));
    layout->addLayout(makeButtonRow({cmdSave_, cmdCancel_}));
    layout->addStretch();
    pressOnEnter(this, cmdSave_);
    WindowSize::remember(this, app_.options, WindowSize::widened(this));

    connect(cmdSave_, &QPushButton::clicked, this, &frmEdit::save);
    connect(cmdCancel_, &QPushButton::clicked, this, &ChildWindow::closeChild);

    load();
}

void frmEdit::addBox(QFormLayout* form, const QString& label, QLineEdit* box, bool required, bool rate)
{
    // The label is the box's buddy, so assistive technology names the box by
    // it even though the box shares its row with the marks beside it.
    auto* caption = makeLabel("lbl" + box->objectName().mid(3), label);
    caption->setBuddy(box);
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    if (rate) {
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(u'0') * 4 + 12);
        row->addWidget(makeLabel(box->objectName() + "Percent", tr("%")));
    }
    // Optional boxes keep the star's room too, so that all boxes end in line.
    auto* star = makeLabel(box->objectName() + "Required", tr("*"));
    QSizePolicy keepRoom = star->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    star->setSizePolicy(keepRoom);
    if (!required)
        star->hide();
    row->addWidget(star);
    if (rate)
        row->addStretch();
    form->addRow(caption, row);
}

MyCompanyRecord frmEdit::record() const { return MyCompanyRecord(app_.state.MainDatabase); }

void frmEdit::load()
{
    try {
        const std::optional<MyCompany> company = record().load();
        if (company) {
            shown_ = *company;
            fill(*company);
            return;
        }
        reportMissingRow();
    } catch (const DatabaseError& error) {
        app_.messages.warn(this, error.message(), ProgramInfo::title);
    }
    // Nothing was shown, so there is nothing that could be saved back.
    cmdSave_->setEnabled(false);
}

void frmEdit::fill(const MyCompany& company)
{
    txtCompany_->setText(company.companyName);
    txtAddress_->setText(company.address);
    txtCity_->setText(company.city);
    txtProv_->setText(company.prov);
    txtPostal_->setText(company.postalCode);
    TxtPhone_->setText(company.phone);
    txtCell_->setText(company.cell);
    txtEmail_->setText(company.email);
    txtVendor_->setText(company.vendor);
    txtGST_->setText(company.gst);
    txtPST_->setText(company.pst);
    txtGST_Number_->setText(company.gstNumber);
    txtGSTName_->setText(company.gstName);
    txtPSTName_->setText(company.pstName);
    txtPSTNumber_->setText(company.pstNumber);
}

MyCompany frmEdit::entered() const
{
    return MyCompany{txtCompany_->text(), txtAddress_->text(), txtCity_->text(),     txtProv_->text(),
                     txtPostal_->text(),  TxtPhone_->text(),   txtCell_->text(),     txtEmail_->text(),
                     txtVendor_->text(),  txtGST_->text(),     txtPST_->text(),      txtGST_Number_->text(),
                     txtGSTName_->text(), txtPSTName_->text(), txtPSTNumber_->text()};
}

void frmEdit::save()
{
    MyCompany edited = entered();
    edited.rowId = shown_.rowId;
    edited.asRead = shown_.asRead;
    SaveOutcome outcome = SaveOutcome::Saved;
    try {
        outcome = record().save(edited);
    } catch (const DatabaseError& error) {
        // Every refusal, whichever box caused it, gets the one message; the
        // row is saved in one statement, so none of it was written.
        app_.messages.warn(this, saveFailureMessage(error, tr("Please check entered data.")), ProgramInfo::title);
        return;
    }
    if (outcome == SaveOutcome::Saved) {
        closeChild();
        return;
    }
    app_.messages.warn(this,
                       outcome == SaveOutcome::ChangedMeanwhile
                           ? tr("Another user changed your company's details after you opened them. Nothing was "
                                "saved; they are shown as they are now.")
                           : tr("Another user deleted your company's details after you opened them. Nothing was "
                                "saved."),
                       ProgramInfo::title);
    load();
}

void frmEdit::reportMissingRow()
{
    app_.messages.warn(this,
                       tr("Your own company's details are missing from the database: the table "
                          "TblMyCompanyInfo holds no row, so there is nothing to show or save."),
                       ProgramInfo::title);
}

} // namespace quillbill
