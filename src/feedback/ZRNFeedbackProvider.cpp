#include "ZRNFeedbackProvider.h"

#include "MultipartForm.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/UserDefaults.h"

namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

ZRNFeedbackProvider::ZRNFeedbackProvider(ApplicationDescription description)
    : m_description(std::move(description))
{}

QStringList ZRNFeedbackProvider::subjects()
{
    return {localized("FEEDBACK_SUBJECT_QUESTION"), localized("FEEDBACK_SUBJECT_PROBLEM"),
            localized("FEEDBACK_SUBJECT_SUGGESTION"), localized("FEEDBACK_SUBJECT_PRAISE")};
}

ZRNFeedbackProvider::Message ZRNFeedbackProvider::lastChoices()
{
    const UserDefaults &defaults = UserDefaults::standard();
    Message message;
    message.subject = subjects().first();
    message.from = defaults.stringForKey(key(DefaultsKeys::FeedbackEmailAddress));
    message.sendMeACopy = defaults.boolForKey(key(DefaultsKeys::FeedbackSendMeACopy));
    return message;
}

QByteArray ZRNFeedbackProvider::formBody(const Message &message) const
{
    MultipartForm form(true);
    form.addPart("subject", m_description.feedbackSubjectPrefix + message.subject);
    form.addPart("from", message.from);
    form.addPart("message", message.message);
    form.addPart("sendmeacopy", message.sendMeACopy ? QStringLiteral("YES") : QStringLiteral("NO"));
    form.addPart("appversion", m_description.version);
    return form.body();
}

void ZRNFeedbackProvider::send(const Message &message, QObject *context,
                               FormSender::Completion done) const
{
    UserDefaults &defaults = UserDefaults::standard();
    defaults.setObject(key(DefaultsKeys::FeedbackEmailAddress), message.from);
    defaults.setObject(key(DefaultsKeys::FeedbackSendMeACopy), message.sendMeACopy);
    FormSender::post({m_description.feedbackProviderURL, QByteArrayLiteral("ZRNFeedbackProvider"),
                      formBody(message)},
                     context, std::move(done));
}
