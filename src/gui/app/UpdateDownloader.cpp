#include "app/UpdateDownloader.h"

#include <memory>

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "app/Dialogs.h"

namespace quorvane::gui {

std::optional<QByteArray> DownloadFile(const TDownloadSettings& settings, IDialogs& dialogs,
                                       const QString& progressText)
{
    QNetworkAccessManager network;
    QNetworkRequest request(settings.Url);
    request.setTransferTimeout(settings.TimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(network.get(request));

    QByteArray data;
    bool refused = false; // cancelled or too large
    auto refuse = [&] {
        refused = true;
        reply->abort();
    };
    std::unique_ptr<IProgress> progress = dialogs.OpenProgress(progressText, [&] {
        if (!reply->isFinished()) {
            refuse();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, [&](qint64 received, qint64 total) {
        if (total > settings.MaxBytes) {
            refuse();
            return;
        }
        progress->SetProgress(received, total);
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, [&] {
        data += reply->readAll();
        if (data.size() > settings.MaxBytes) {
            refuse();
        }
    });
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        loop.exec();
    }
    progress.reset();

    if (refused || reply->error() != QNetworkReply::NoError) {
        return std::nullopt;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() != 200) {
        return std::nullopt;
    }
    data += reply->readAll();
    if (data.size() > settings.MaxBytes) {
        return std::nullopt;
    }
    return data;
}

} // namespace quorvane::gui
