// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/options/frmOptions.h"

#include "app/AppContext.h"
#include "common/Controls.h"
#include "common/ProgramInfo.h"
#include "records/DatabaseError.h"
#include "records/users/UserAccounts.h"
#include "shell/options/DatabasePanel.h"
#include "shell/options/MailPanel.h"
#include "shell/options/OptionsValues.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <utility>

namespace quillbill {

namespace {

QCheckBox* addCheckBox(QLayout* layout, const QString& name, const QString& caption)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    layout->addWidget(box);
    return box;
}

} // namespace

frmOptions::frmOptions(AppContext& app, SecuredMenuItems securedItems, QWidget* parent, MailPassword keyring,
                       Keyring serverKeyring)
    : QDialog(parent),
      app_(app),
      securedItems_(securedItems),
      pageStack_(new QStackedWidget),
      optGeneral_(new QFrame),
      optSecurity_(new QFrame),
      optEmail_(new MailPanel(app, std::move(keyring))),
      optDatabase_(new DatabasePanel(app, std::move(serverKeyring))),
      cmdOK_(makeButton("cmdOK", tr("OK"))),
      cmdCancel_(makeButton("cmdCancel", tr("Cancel"))),
      cmdApply_(makeButton("cmdApply", tr("Apply")))
{
    setObjectName("frmOptions");
    setWindowTitle(tr("Options"));
    setModal(true);

    auto* pages = new QMenuBar(this);
    pages->setObjectName("mnuPages");
    generalItem_ = pages->addAction(tr("General"));
    generalItem_->setObjectName("mnuGeneral");
    securityItem_ = pages->addAction(tr("Security"));
    securityItem_->setObjectName("mnuSecurity");
    securityItem_->setData(securityPageLevel);
    // The mail server's sign-in is as much the office's as the levels are.
    mailItem_ = pages->addAction(tr("E-mail"));
    mailItem_->setObjectName("mnuEmail");
    mailItem_->setData(securityPageLevel);
    // Where the records are decides who reads them.
    databaseItem_ = pages->addAction(tr("Database"));
    databaseItem_->setObjectName("mnuDatabase");
    databaseItem_->setData(securityPageLevel);

    buildGeneralPage();
    buildSecurityPage();

    for (QPushButton* button : {cmdOK_, cmdCancel_, cmdApply_})
        button->setAutoDefault(false);
    cmdOK_->setDefault(true);

    // One stack holds every page, so the window is sized once for the larger
    // page and turning pages never resizes it.
    pageStack_->addWidget(optGeneral_);
    pageStack_->addWidget(optSecurity_);
    pageStack_->addWidget(optEmail_);
    pageStack_->addWidget(optDatabase_);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(pages);
    layout->addWidget(pageStack_);
    layout->addLayout(makeButtonRow({cmdOK_, cmdCancel_, cmdApply_}));

    connect(generalItem_, &QAction::triggered, this, [this] { showPage(optGeneral_); });
    connect(securityItem_, &QAction::triggered, this, [this] { showPage(optSecurity_); });
    connect(mailItem_, &QAction::triggered, this, [this] { showPage(optEmail_); });
    connect(optEmail_, &MailPanel::changed, this, &frmOptions::markChanged);
    connect(optEmail_, &MailPanel::showMe, this, [this] { showPage(optEmail_); });
    connect(databaseItem_, &QAction::triggered, this, [this] { showPage(optDatabase_); });
    connect(optDatabase_, &DatabasePanel::changed, this, &frmOptions::markChanged);
    connect(optDatabase_, &DatabasePanel::showMe, this, [this] { showPage(optDatabase_); });
    connect(cmdApply_, &QPushButton::clicked, this, [this] {
        if (apply())
            cmdApply_->setEnabled(false);
    });
    connect(cmdOK_, &QPushButton::clicked, this, [this] {
        if (apply())
            accept();
    });
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    // Loading the window.
    showPage(optGeneral_);
    showValues(OptionsValues::load(app_.options));
    cmdApply_->setEnabled(false);
    EnableSecurityPage(securityItem_, app_.state.UserLevel);
    EnableSecurityPage(mailItem_, app_.state.UserLevel);
    EnableSecurityPage(databaseItem_, app_.state.UserLevel);
    // Without the login anyone gets every function, so switching it needs
    // the same level as the required levels themselves.
    chkLogon_->setEnabled(mayChangeSecurity());
}

bool frmOptions::mayChangeSecurity() const { return isOpenTo(securityPageLevel, app_.state.UserLevel); }

void frmOptions::buildGeneralPage()
{
    optGeneral_->setObjectName("optGeneral");
    optGeneral_->setFrameStyle(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(optGeneral_);
    chkbkup_ = addCheckBox(layout, "chkbkup", tr("Create Backup on Exit"));
    chkSplash_ = addCheckBox(layout, "chkSplash", tr("Show Splash Screen on Startup"));
    chkTips_ = addCheckBox(layout, "chkTips", tr("Show Tips on Startup"));
    chkLogon_ = addCheckBox(layout, "chkLogon", tr("Show Logon on Startup"));
    chkMarkCopies_ = addCheckBox(layout, "chkMarkCopies", tr("Title Later Copies of Issued Invoices \"INVOICE COPY\""));
    // Invoices, statements and reports go out in the office's language,
    // whatever the desktop's.
    cboDocumentLanguage_ = new QComboBox;
    cboDocumentLanguage_->setObjectName("cboDocumentLanguage");
    cboDocumentLanguage_->addItem(tr("English"),
                                  QVariant::fromValue(static_cast<int>(DocumentLanguage::Language::English)));
    cboDocumentLanguage_->addItem(tr("French"),
                                  QVariant::fromValue(static_cast<int>(DocumentLanguage::Language::French)));
    auto* languageLabel = makeLabel("lblDocumentLanguage", tr("&Language of documents for customers:"));
    languageLabel->setBuddy(cboDocumentLanguage_);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(cboDocumentLanguage_);
    languageRow->addStretch();
    layout->addLayout(languageRow);
    connect(cboDocumentLanguage_, &QComboBox::activated, this, &frmOptions::markChanged);
    layout->addStretch();
    for (QCheckBox* box : {chkbkup_, chkSplash_, chkTips_, chkLogon_, chkMarkCopies_})
        connect(box, &QCheckBox::clicked, this, &frmOptions::markChanged);
}

void frmOptions::buildSecurityPage()
{
    optSecurity_->setObjectName("optSecurity");
    optSecurity_->setFrameStyle(QFrame::StyledPanel);
    auto* layout = new QGridLayout(optSecurity_);
    QLabel* heading = makeLabel("Label1", tr("Set security levels for the following menu items:"));
    layout->addWidget(heading, 0, 0, 1, 3);
    for (const SecuredFunction& function : securedFunctions()) {
        const auto n = static_cast<size_t>(function.number - 1);
        auto* box = new QCheckBox(function.shownLabel());
        box->setObjectName(QStringLiteral("Check%1").arg(function.number));
        auto* level = new QComboBox;
        level->setObjectName(QStringLiteral("Combo%1").arg(function.number));
        // An editable combo box also reports a typed text that matches an
        // entry as activated once editing finishes (focus leaves, Enter).
        // That is typing, not a choice from the list, so it is flagged: the
        // first slot runs before the combo box's own, the second after it.
        auto* levelText = new QLineEdit;
        connect(levelText, &QLineEdit::editingFinished, this, [this] { committingTypedLevel_ = true; });
        level->setLineEdit(levelText);
        connect(levelText, &QLineEdit::editingFinished, this, [this] { committingTypedLevel_ = false; });
        level->setInsertPolicy(QComboBox::NoInsert);
        level->addItems({"1", "2", "3"});
        level->setAccessibleName(function.shownLabel());
        level->setAccessibleDescription(tr("Security level"));
        // On Linux assistive technology names a list box by its label, so
        // each level box has one beside its function's check box.
        auto* levelLabel = new QLabel(tr("Level:"));
        levelLabel->setBuddy(level);
        layout->addWidget(box, function.number, 0);
        layout->addWidget(levelLabel, function.number, 1);
        layout->addWidget(level, function.number, 2);
        restrictionBoxes_.at(n) = box;
        levelBoxes_.at(n) = level;
        connect(box, &QCheckBox::clicked, this, &frmOptions::markChanged);
        // A choice from the list marks a change; typing does not.
        connect(level, &QComboBox::activated, this, [this] {
            if (!committingTypedLevel_)
                markChanged();
        });
    }
    layout->setRowStretch(6, 1);
}

void frmOptions::showPage(QFrame* page) { pageStack_->setCurrentWidget(page); }

void frmOptions::showValues(const OptionsValues& values)
{
    chkTips_->setChecked(values.showTips);
    chkSplash_->setChecked(values.showSplash);
    chkLogon_->setChecked(values.showLogon);
    chkbkup_->setChecked(values.backupOnExit);
    chkMarkCopies_->setChecked(values.markCopies);
    cboDocumentLanguage_->setCurrentIndex(
        cboDocumentLanguage_->findData(QVariant::fromValue(static_cast<int>(values.documentLanguage))));
    for (size_t n = 0; n < 5; ++n) {
        restrictionBoxes_.at(n)->setChecked(values.restricted.at(n));
        levelBoxes_.at(n)->setEditText(values.levels.at(n));
    }
}

OptionsValues frmOptions::shownValues() const
{
    OptionsValues values;
    values.backupOnExit = chkbkup_->isChecked();
    values.showSplash = chkSplash_->isChecked();
    values.showTips = chkTips_->isChecked();
    values.showLogon = chkLogon_->isChecked();
    values.markCopies = chkMarkCopies_->isChecked();
    values.documentLanguage = static_cast<DocumentLanguage::Language>(cboDocumentLanguage_->currentData().toInt());
    for (size_t n = 0; n < 5; ++n) {
        values.restricted.at(n) = restrictionBoxes_.at(n)->isChecked();
        values.levels.at(n) = levelBoxes_.at(n)->currentText();
    }
    return values;
}

bool frmOptions::apply()
{
    const OptionsValues values = shownValues();
    const bool withSecurity = mayChangeSecurity();
    // Every check and question comes before the first write, so that a
    // refusal leaves all pages unsaved.
    if (withSecurity && (!levelsAreSound(values) || !optEmail_->readyToSave() || !optDatabase_->readyToSave()))
        return false;
    values.save(app_.options, securedItems_, withSecurity);
    if (withSecurity) {
        optEmail_->save();
        optDatabase_->save();
    }
    return true;
}

bool frmOptions::levelsAreSound(const OptionsValues& values)
{
    int16_t highestUserLevel = 0;
    try {
        highestUserLevel = UserAccounts(app_.state.MainDatabase).highestLevel();
    } catch (const DatabaseError& error) {
        app_.messages.warn(this, error.message(), windowTitle());
        return false;
    }
    const auto problem = values.firstInvalidLevel(highestUserLevel);
    if (!problem)
        return true;
    const auto n = static_cast<size_t>(problem->function - 1);
    const QString function = securedFunctions().at(n).shownLabel();
    const QString level = levelBoxes_.at(n)->currentText();
    app_.messages.warn(
        this,
        problem->reason == OptionsValues::LevelProblem::Reason::NotALevel
            ? tr("The security level for \"%1\" must be a whole number from 0 to 3.").arg(function)
            : tr("Nobody could use \"%1\": no user holds security level %2 or above.").arg(function, level),
        windowTitle());
    showPage(optSecurity_);
    levelBoxes_.at(n)->setFocus();
    levelBoxes_.at(n)->lineEdit()->selectAll();
    return false;
}

void frmOptions::markChanged() { cmdApply_->setEnabled(true); }

} // namespace quillbill
