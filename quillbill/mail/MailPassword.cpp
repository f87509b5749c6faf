#include "mail/MailPassword.h"

#include "mail/MailSettings.h"

namespace quillbill {

QString MailPassword::entryKey(const MailSettings& settings)
{
    return settings.userName.trimmed() + u'@' + settings.serverName();
}

} // namespace quillbill
