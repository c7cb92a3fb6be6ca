#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QUrl>

#include "history/DataPage.h"

namespace quorvane::gui {

class IDialogs;

struct TDownloadSettings
{
    QUrl Url;
    int TimeoutMs = 0;   // abandon when nothing arrives for this long
    qint64 MaxBytes = 0; // refuse a larger file
};

// Downloads one file while a cancellable progress window of the dialog service shows how far it
// has come; the window stays responsive. Tells how it ended (received, cancelled by the user, timed
// out, too large, an error status, no connection) with the bytes when received and the address.
UpdateDownload DownloadFile(const TDownloadSettings& settings, IDialogs& dialogs, const QString& progressText);

} // namespace quorvane::gui
