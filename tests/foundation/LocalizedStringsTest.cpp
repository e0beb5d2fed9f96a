#include "foundation/LocalizedStrings.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

using NamedCases::PrintTo;

// One message of a translation file: its text, or its plural forms.
struct Message
{
    QString source;
    QStringList forms;
    bool numerus = false;
    bool finished = true;
};

QMap<QString, Message> readTranslation(const char *name)
{
    QFile file(QStringLiteral(TABWRIGHT_TRANSLATIONS_DIR "/%1").arg(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    QXmlStreamReader xml(&file);
    QMap<QString, Message> messages;
    Message *message = nullptr;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView element = xml.name();
        if (element == u"message") {
            message = &messages[xml.attributes().value(QLatin1String("id")).toString()];
            message->numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (!message) {
            continue;
        } else if (element == u"source") {
            message->source = xml.readElementText();
        } else if (element == u"translation") {
            message->finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!message->numerus)
                message->forms.append(xml.readElementText());
        } else if (element == u"numerusform") {
            message->forms.append(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << name << ": " << qPrintable(xml.errorString());
    return messages;
}

// The numbered arguments a text takes (%1, %L2), sorted.
QStringList numberedArguments(const QString &text)
{
    static const QRegularExpression s_argument(QStringLiteral("%L?([1-9][0-9]?)"));
    QStringList arguments;
    for (const QRegularExpressionMatch &match : s_argument.globalMatch(text))
        arguments.append(match.captured(1));
    arguments.sort();
    return arguments;
}

// What is wrong with a translation of a message, if anything.
QString translationFault(const Message &english, const Message &translation)
{
    if (translation.forms.isEmpty() || translation.forms.contains(QString()) ||
        !translation.finished)
        return QStringLiteral("has no finished text");
    if (english.numerus != translation.numerus)
        return QStringLiteral("has plural forms in one language only");
    const QStringList arguments = numberedArguments(english.source);
    for (const QString &form : translation.forms) {
        if (numberedArguments(form) != arguments)
            return QStringLiteral("takes other arguments than the English text: ") + form;
    }
    static const QRegularExpression s_count(QStringLiteral("%L?n"));
    if (english.numerus && !translation.forms.last().contains(s_count))
        return QStringLiteral("has no count in its plural form");
    return {};
}

// Every English text is translated into German, with the arguments the code fills in, and
// every German text belongs to an English one.
TEST(LocalizedStringsTest, EveryTextHasAGermanTranslationWithTheSameArguments)
{
    const QMap<QString, Message> english = readTranslation("tabwright_en.ts");
    const QMap<QString, Message> german = readTranslation("tabwright_de.ts");
    ASSERT_GT(english.size(), 400);
    QStringList faults;
    for (auto it = english.begin(); it != english.end(); ++it) {
        const auto translation = german.constFind(it.key());
        const QString fault = translation == german.cend() ? QStringLiteral("has no German text")
                                                           : translationFault(*it, *translation);
        if (!fault.isEmpty())
            faults.append(it.key() + QLatin1Char(' ') + fault);
    }
    for (auto it = german.begin(); it != german.end(); ++it) {
        if (!english.contains(it.key()))
            faults.append(it.key() + QStringLiteral(" is not an English text"));
    }
    EXPECT_EQ(faults.join(QLatin1Char('\n')), QString());
}

struct LookupCase
{
    const char *name;
    QLocale::Language language;
    QLocale::Territory territory;
    const char *key;
    qint64 count; // -1: a text without a count
    QString expected;
};

class LocalizedStringsLookupTest : public ::testing::TestWithParam<LookupCase>
{};

// The compiled table answers each language's text and plural form, numbers in the locale's
// grouping, English where a language has no translation, and the key where no text exists.
TEST_P(LocalizedStringsLookupTest, AnswersTheTextForTheLocale)
{
    const LookupCase &lookup = GetParam();
    const LocalizedStrings strings(QLocale(lookup.language, lookup.territory));
    const QString key = QString::fromLatin1(lookup.key);
    EXPECT_EQ(lookup.count < 0 ? strings.text(key) : strings.text(key, lookup.count),
              lookup.expected);
    EXPECT_EQ(strings.contains(key), lookup.expected != key);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Languages, LocalizedStringsLookupTest, ::testing::Values(
    LookupCase{"EnglishText", QLocale::English, QLocale::UnitedStates, "LSMenuFile", -1, u"&File"_qs},
    LookupCase{"EnglishOne", QLocale::English, QLocale::UnitedStates, "LSRows", 1, u"1 row"_qs},
    LookupCase{"EnglishMany", QLocale::English, QLocale::UnitedStates, "LSRows", 1234567, u"1,234,567 rows"_qs},
    LookupCase{"GermanText", QLocale::German, QLocale::Germany, "LSMenuFile", -1, u"&Datei"_qs},
    LookupCase{"GermanOne", QLocale::German, QLocale::Austria, "LSNumberOfSelectedRow", 1, u"1 Zeile ausgewählt,"_qs},
    LookupCase{"GermanMany", QLocale::German, QLocale::Germany, "LSRows", 1234567, u"1.234.567 Zeilen"_qs},
    LookupCase{"GermanEncodingName", QLocale::German, QLocale::Germany, "LSEncoding_windows-1252", -1, u"Westeuropäisch (Windows Latin 1)"_qs},
    LookupCase{"UntranslatedLanguageIsEnglish", QLocale::Finnish, QLocale::Finland, "LSMenuEdit", -1, u"&Edit"_qs},
    LookupCase{"MissingKeyIsTheKey", QLocale::German, QLocale::Germany, "LSNoSuchText", -1, u"LSNoSuchText"_qs}
), caseName);
// clang-format on

} // namespace
