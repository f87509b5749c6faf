#pragma once

#include "shell/security/modSecurity.h"

#include <QDialog>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QPushButton;
class QStackedWidget;

namespace quillbill {

struct AppContext;
struct OptionsValues;

// The options window: a General page with the start-up and exit switches and
// a Security page with the required levels of the five secured functions.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(AppContext& app, SecuredMenuItems securedItems, QWidget* parent = nullptr);

    // Saves the window's values; false when a level was refused.
    bool apply();

private:
    void buildGeneralPage();
    void buildSecurityPage();
    void showPage(QFrame* page);
    void showValues(const OptionsValues& values);
    OptionsValues shownValues() const;
    void markChanged();
    // Whether the user may change the login switch and the required levels.
    bool mayChangeSecurity() const;
    // Whether every level shown can be saved; tells the user when not.
    bool levelsAreSound(const OptionsValues& values);

    AppContext& app_;
    SecuredMenuItems securedItems_;
    QAction* generalItem_;
    QAction* securityItem_;
    QStackedWidget* pageStack_;
    QFrame* optGeneral_;
    QFrame* optSecurity_;
    QCheckBox* chkbkup_;
    QCheckBox* chkSplash_;
    QCheckBox* chkTips_;
    QCheckBox* chkLogon_;
    std::array<QCheckBox*, 5> restrictionBoxes_{};
    std::array<QComboBox*, 5> levelBoxes_{};
    QPushButton* cmdOK_;
    QPushButton* cmdCancel_;
    QPushButton* cmdApply_;
    // Set while a level box commits typed text; see buildSecurityPage().
    bool committingTypedLevel_ = false;
};

} // namespace quillbill
