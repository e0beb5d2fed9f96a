#include "LoopbackHttpServer.h"

#include "feedback/MultipartForm.h"
#include "feedback/ZRNCrashReporter.h"
#include "feedback/ZRNFeedbackProvider.h"
#include "ui/GuiTestSupport.h"

#include "support/NamedCase.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

using NamedCases::PrintTo;

#define BOUNDARY "--0xKhTmLbOuNdArY\r\n"
#define PART(name) BOUNDARY "Content-Disposition: form-data; name=\"" name "\"\r\n\r\n"
#define END "\r\n--0xKhTmLbOuNdArY--\r\n"

ApplicationDescription description(const QUrl &endpoint)
{
    ApplicationDescription description;
    description.executable = QStringLiteral("tabwright");
    description.version = QStringLiteral("2.5");
    description.crashReporterURL = endpoint;
    description.feedbackProviderURL = endpoint;
    description.feedbackSubjectPrefix = QStringLiteral("[Tabwright] ");
    return description;
}

ZRNFeedbackProvider::Message message(bool sendMeACopy)
{
    return {QStringLiteral("Question"), QStringLiteral("ann@example.org"),
            QStringLiteral("Größe\r\nfine"), sendMeACopy};
}

enum class Sender { Crash, Feedback };

struct Form
{
    QByteArray body;
    std::function<void(QObject *, FormSender::Completion)> send;
    QByteArray userAgent;
};

Form form(Sender sender, const QUrl &endpoint, bool sendMeACopy = true)
{
    if (sender == Sender::Crash) {
        const QString report = QStringLiteral("Signal: 11 (SIGSEGV)\n");
        const QString what = QStringLiteral("I saved ünder a new name");
        return {ZRNCrashReporter::formBody(report, what),
                [=](QObject *context, FormSender::Completion done) {
                    ZRNCrashReporter(QString(), QString(), description(endpoint))
                        .send(report, what, context, done);
                },
                "ZRNCrashReporter"};
    }
    const ZRNFeedbackProvider provider(description(endpoint));
    return {provider.formBody(message(sendMeACopy)),
            [=](QObject *context, FormSender::Completion done) {
                provider.send(message(sendMeACopy), context, done);
            },
            "ZRNFeedbackProvider"};
}

struct BodyCase
{
    const char *name;
    Sender sender;
    bool sendMeACopy;
    QByteArray expected;
};

class FormBodyTest : public ::testing::TestWithParam<BodyCase>
{};

TEST_P(FormBodyTest, IsByteForByteTheReceiversLayout)
{
    EXPECT_EQ(form(GetParam().sender, QUrl(), GetParam().sendMeACopy).body, GetParam().expected);
}

// clang-format off
#define FEEDBACK_BODY(copy)                                                                        \
    "Content-Type: multipart/form-data; boundary=0xKhTmLbOuNdArY\r\n\r\n"                          \
    PART("subject") "[Tabwright] Question\r\n"                                                     \
    PART("from") "ann@example.org\r\n"                                                             \
    PART("message") "Gr\xc3\xb6\xc3\x9f" "e\r\nfine\r\n"                                           \
    PART("sendmeacopy") copy "\r\n"                                                                \
    PART("appversion") "2.5" END
INSTANTIATE_TEST_SUITE_P(Forms, FormBodyTest, ::testing::Values(
    BodyCase{"CrashHasNoLeadingTypeAndEndsWithTheClosingBoundary", Sender::Crash, true,
             PART("crashlog") "Signal: 11 (SIGSEGV)\n\r\n"
             PART("description") "I saved \xc3\xbcnder a new name" END},
    BodyCase{"FeedbackStartsWithItsContentTypeLine", Sender::Feedback, true, FEEDBACK_BODY("YES")},
    BodyCase{"FeedbackWithoutCopySaysNo", Sender::Feedback, false, FEEDBACK_BODY("NO")}),
    caseName);
// clang-format on

struct PostCase
{
    const char *name;
    Sender sender;
    bool serverListens;
};

class FormPostTest : public ::testing::TestWithParam<PostCase>
{};

// The request as it reaches a server: the method, the two headers and the body unchanged. A
// server that is not there is a failure with a reason, never a success.
TEST_P(FormPostTest, ReachesTheServerOrSaysWhyNot)
{
    const PostCase &c = GetParam();
    LoopbackHttpServer server;
    const QUrl endpoint =
        c.serverListens ? server.url(QStringLiteral("/form.cgi")) : LoopbackHttpServer::closedUrl();
    const Form sent = form(c.sender, endpoint);
    QObject context;
    std::optional<std::pair<bool, QString>> result;
    sent.send(&context,
              [&result](bool ok, const QString &failure) { result.emplace(ok, failure); });
    WAIT_UNTIL(result);
    EXPECT_EQ(result->first, c.serverListens) << qPrintable(result->second);
    EXPECT_EQ(result->second.isEmpty(), c.serverListens);
    if (!c.serverListens)
        return;
    ASSERT_TRUE(server.request());
    const LoopbackHttpServer::Request &request = *server.request();
    EXPECT_EQ(request.method + ' ' + request.path, "POST /form.cgi");
    EXPECT_EQ(request.headers.value("user-agent"), sent.userAgent);
    EXPECT_EQ(request.headers.value("content-type"),
              "multipart/form-data; boundary=0xKhTmLbOuNdArY");
    EXPECT_EQ(request.body, sent.body);
}

INSTANTIATE_TEST_SUITE_P(Senders, FormPostTest,
                         ::testing::Values(PostCase{"Crash", Sender::Crash, true},
                                           PostCase{"Feedback", Sender::Feedback, true},
                                           PostCase{"FeedbackServerClosed", Sender::Feedback,
                                                    false}),
                         caseName);

TEST(FeedbackSender, IsOffWithoutEndpointsBuiltIn)
{
    EXPECT_FALSE(ZRNFeedbackProvider().isAvailable());
    EXPECT_FALSE(ZRNCrashReporter::standard().canSend());
}

} // namespace
