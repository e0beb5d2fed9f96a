#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>

class QObject;

// Posts a form to a web endpoint without blocking: the program goes on working while the
// request is under way, and a request that has no answer after 30 seconds fails.
class FormSender
{
public:
    static constexpr int s_timeoutMs = 30'000;

    struct Request
    {
        QUrl url;
        QByteArray userAgent;
        QByteArray body; // a MultipartForm body
    };

    // Runs done once, on the context's thread, with whether the server took the form and, when
    // not, why. Nothing runs when the context goes first; the request goes with it.
    using Completion = std::function<void(bool sent, const QString &failure)>;
    static void post(const Request &request, QObject *context, Completion done);
};
