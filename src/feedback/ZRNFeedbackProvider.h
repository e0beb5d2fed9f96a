#pragma once

#include "ApplicationDescription.h"
#include "FormSender.h"

#include <QString>
#include <QStringList>

// Sends the user's feedback: a subject, a reply address, the message and whether the user wants
// a copy. The form is the user interface's (FeedbackWindow); everything here works without a
// display.
class ZRNFeedbackProvider
{
public:
    struct Message
    {
        QString subject; // the title of the chosen subject, without the prefix
        QString from;
        QString message;
        bool sendMeACopy = true;
    };

    explicit ZRNFeedbackProvider(
        ApplicationDescription description = ApplicationDescription::standard());

    // Whether feedback can be sent at all: an endpoint was built in. Without one, "Send
    // Feedback…" is not offered.
    bool isAvailable() const { return !m_description.feedbackProviderURL.isEmpty(); }
    const QUrl &feedbackURL() const { return m_description.feedbackURL; }
    // The titles of the subjects the form offers, the first one chosen at first.
    static QStringList subjects();
    // The reply address and the check box as the user left them last time; no message.
    static Message lastChoices();

    QByteArray formBody(const Message &message) const;
    // Remembers the reply address and the check box, then posts the form.
    void send(const Message &message, QObject *context, FormSender::Completion done) const;

private:
    ApplicationDescription m_description;
};
