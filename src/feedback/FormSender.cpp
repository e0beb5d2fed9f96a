#include "FormSender.h"

#include "MultipartForm.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

void FormSender::post(const Request &request, QObject *context, Completion done)
{
    QNetworkRequest networkRequest(request.url);
    networkRequest.setHeader(QNetworkRequest::UserAgentHeader, request.userAgent);
    networkRequest.setHeader(QNetworkRequest::ContentTypeHeader, MultipartForm::contentType());
    networkRequest.setTransferTimeout(s_timeoutMs);
    // A manager per request, owned by the context: when the context goes, so does the request.
    auto *manager = new QNetworkAccessManager(context);
    QNetworkReply *reply = manager->post(networkRequest, request.body);
    QObject::connect(reply, &QNetworkReply::finished, manager, [manager, reply, done] {
        const bool sent = reply->error() == QNetworkReply::NoError;
        const QString failure = sent ? QString() : reply->errorString();
        manager->deleteLater();
        if (done)
            done(sent, failure);
    });
}
