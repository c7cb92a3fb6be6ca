#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace quorvane::gui {

class IDialogs;

struct TDownloadSettings
{
    QUrl Url;
    int TimeoutMs = 0;   // abandon when nothing arrives for this long
    qint64 MaxBytes = 0; // refuse a larger file
};

// Downloads one file while a cancellable progress window of the dialog service shows how far it
// has come; the window stays responsive. The file's bytes, or nothing when the server cannot be
// reached, answers with an error status, goes silent for the time-out, sends more than MaxBytes, or
// the user cancels.
std::optional<QByteArray> DownloadFile(const TDownloadSettings& settings, IDialogs& dialogs,
                                       const QString& progressText);

} // namespace quorvane::gui
