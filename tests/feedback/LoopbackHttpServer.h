#pragma once

#include <QByteArray>
#include <QMap>
#include <QTcpServer>
#include <QUrl>

#include <optional>

// An HTTP server on 127.0.0.1 that takes one POST and answers 200: enough to check a form
// byte for byte as the sender puts it on the wire.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    LoopbackHttpServer();

    QUrl url(const QString &path) const;
    // A URL on which nothing listens: requests to it fail.
    static QUrl closedUrl();
    const std::optional<Request> &request() const { return m_request; }

private:
    void readFrom(QTcpSocket *socket);

    QTcpServer m_server;
    QByteArray m_received;
    std::optional<Request> m_request;
};
