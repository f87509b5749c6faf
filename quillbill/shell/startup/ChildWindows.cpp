#include "shell/startup/ChildWindows.h"

#include "common/AppContext.h"
#include "records/company/frmEdit.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/users/frmUsers.h"

namespace quillbill {

void registerChildWindows(frmMain& main, AppContext& app)
{
    main.registerChild(ChildKind::EditMyCompany, [&app] { return new frmEdit(app); });
    main.registerChild(ChildKind::Users, [&app] { return new frmUsers(app); });
}

} // namespace quillbill
