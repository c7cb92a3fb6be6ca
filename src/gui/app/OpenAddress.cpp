#include "app/OpenAddress.h"

#include <QUrl>

#include "app/Dialogs.h"

namespace quorvane::gui {

void OpenWebAddress(IDialogs& dialogs, const QString& address)
{
    if (!dialogs.TryOpenUrl(QUrl(address))) {
        dialogs.ShowMessage(QString::fromUtf8(kAddressNotOpenedText) + QStringLiteral("\r\n") + address);
    }
}

} // namespace quorvane::gui
