#include "app/UpdateDownloader.h"

#include <memory>

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "app/Dialogs.h"

namespace quorvane::gui {

UpdateDownload DownloadFile(const TDownloadSettings& settings, IDialogs& dialogs, const QString& progressText)
{
    UpdateDownload result;
    result.Url = settings.Url.toString().toStdString();
    QNetworkAccessManager network;
    QNetworkRequest request(settings.Url);
    request.setTransferTimeout(settings.TimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(network.get(request));

    QByteArray data;
    std::optional<DownloadEnd> refused; // cancelled or too large
    auto refuse = [&](DownloadEnd why) {
        if (!refused) {
            refused = why;
        }
        reply->abort();
    };
    std::unique_ptr<IProgress> progress = dialogs.OpenProgress(progressText, [&] {
        if (!reply->isFinished()) {
            refuse(DownloadEnd::Cancelled);
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, [&](qint64 received, qint64 total) {
        if (total > settings.MaxBytes) {
            refuse(DownloadEnd::TooLarge);
            return;
        }
        progress->SetProgress(received, total);
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, [&] {
        data += reply->readAll();
        if (data.size() > settings.MaxBytes) {
            refuse(DownloadEnd::TooLarge);
        }
    });
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        loop.exec();
    }
    progress.reset();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (refused) {
        result.End = *refused;
    } else if (status.isValid() && status.toInt() != 200) {
        result.End = DownloadEnd::HttpError;
        result.HttpStatus = status.toInt();
    } else if (reply->error() == QNetworkReply::OperationCanceledError ||
               reply->error() == QNetworkReply::TimeoutError) {
        // Not aborted by the program: the transfer time-out ended it.
        result.End = DownloadEnd::TimedOut;
    } else if (reply->error() != QNetworkReply::NoError) {
        result.End = DownloadEnd::Unreachable;
    } else {
        data += reply->readAll();
        if (data.size() > settings.MaxBytes) {
            result.End = DownloadEnd::TooLarge;
        } else {
            result.End = DownloadEnd::Received;
            result.Bytes = data.toStdString();
        }
    }
    return result;
}

} // namespace quorvane::gui
