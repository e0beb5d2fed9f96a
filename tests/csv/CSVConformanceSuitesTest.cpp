#include "csv/ZRNCSVParser.h"
#include "csv/ZRNCSVParserDelegate.h"

#include "support/QtPrinters.h"
#include "support/TestData.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// Collects rows as the document reader does: a line of exactly one empty field is a blank line
// and is dropped.
class RowCollector : public ZRNCSVParserDelegate
{
public:
    QJsonArray rows;

    void parserDidStartDocument(ZRNCSVParser &, const QString &) override {}
    void parserDidStartLine(ZRNCSVParser &, qint64) override { m_row = {}; }
    void parserDidReadField(ZRNCSVParser &, QStringView field) override
    {
        m_row.append(field.toString());
    }
    void parserDidEndLine(ZRNCSVParser &, qint64) override
    {
        if (m_row != QJsonArray{QString()})
            rows.append(m_row);
    }
    void parserDidEndDocument(ZRNCSVParser &, const QString &) override {}
    void parserDidFailWithError(ZRNCSVParser &, const Error &error) override
    {
        rows.append(QStringLiteral("failed: ") + error.localizedDescription());
    }

private:
    QJsonArray m_row;
};

QJsonArray readRows(const QByteArray &bytes)
{
    auto parser = ZRNCSVParser::withCSVString(QString::fromUtf8(bytes), StringEncodings::UTF8);
    RowCollector collector;
    parser->setParserDelegate(&collector);
    parser->parse();
    return collector.rows;
}

// A suite's expectation that the product does not meet on purpose, and what it reads instead.
struct Deviation
{
    const char *reason;
    const char *productReading; // JSON
};

struct SuiteCase
{
    QString name;
    QByteArray input;
    QJsonValue expected;
    const Deviation *deviation = nullptr;
};

void PrintTo(const SuiteCase &c, std::ostream *os)
{
    *os << c.name.toStdString();
}

std::string caseName(const testing::TestParamInfo<SuiteCase> &info)
{
    return info.param.name.toStdString();
}

QJsonValue parseJson(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

QByteArray toJson(const QJsonValue &value)
{
    return value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                           : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

void expectReading(const SuiteCase &c, const QJsonValue &read)
{
    QJsonValue expected = c.expected;
    if (c.deviation) {
        testing::Test::RecordProperty("deviation", c.deviation->reason);
        expected = parseJson(c.deviation->productReading);
    }
    EXPECT_EQ(toJson(read), toJson(expected)) << (c.deviation ? c.deviation->reason : "")
                                              << "\nsuite expects " << toJson(c.expected).data();
}

// The Ogden suite: each csvs/NAME.csv pairs with json/NAME.json, a list of objects keyed by the
// first row.
const Deviation s_wrongPhoneNumber = {
    "the suite's own expectation is known to be bad: it is a single object, not a list, and "
    "holds a phone number that is not in the file",
    R"([{"Contact Phone Number":"2095257564",
         "Location Coordinates":"37\ufffd36'37.8\"N 121\ufffd2'17.9\"W",
         "Cities":"Modesto","Counties":"Stanislaus"}])"};

std::vector<SuiteCase> ogdenSuiteCases()
{
    std::vector<SuiteCase> cases;
    const QDir csvs(TestData::path(QStringLiteral("csv-suites/ogden-csv-suite/csvs")));
    for (const QString &file : csvs.entryList({QStringLiteral("*.csv")}, QDir::Files)) {
        const QString name = file.chopped(4);
        SuiteCase c{name, TestData::read(QStringLiteral("csv-suites/ogden-csv-suite/csvs/") + file),
                    parseJson(TestData::read(QStringLiteral("csv-suites/ogden-csv-suite/json/") +
                                             name + QStringLiteral(".json")))};
        if (name == QLatin1String("location_coordinates"))
            c.deviation = &s_wrongPhoneNumber;
        cases.push_back(c);
    }
    return cases;
}

class OgdenSuiteTest : public testing::TestWithParam<SuiteCase>
{};

TEST_P(OgdenSuiteTest, ReadsAsTheSuiteExpects)
{
    const QJsonArray rows = readRows(GetParam().input);
    QJsonArray objects;
    const QJsonArray header = rows.isEmpty() ? QJsonArray() : rows.first().toArray();
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QJsonObject object;
        const QJsonArray row = rows[i].toArray();
        for (qsizetype column = 0; column < row.size(); ++column)
            object.insert(header[column].toString(), row[column]);
        objects.append(object);
    }
    expectReading(GetParam(), objects);
}

INSTANTIATE_TEST_SUITE_P(Suites, OgdenSuiteTest, testing::ValuesIn(ogdenSuiteCases()), caseName);

// The RFC 4180 examples: {"csv": [lines], "json": [[fields]]}, the lines joined with LF.
const Deviation s_trailingDelimiter = {
    "a delimiter at the very end of the input ends the line without another field: a file "
    "whose last line ends in a delimiter and no line break reads as it always has",
    R"([["aaa","bbb"]])"};

std::vector<SuiteCase> rfcCases()
{
    std::vector<SuiteCase> cases;
    const QDir dir(TestData::path(QStringLiteral("csv-suites/vanillaes-csv-rfc4180")));
    for (const QString &file : dir.entryList({QStringLiteral("rfc*.json")}, QDir::Files)) {
        const QJsonObject suite =
            QJsonDocument::fromJson(TestData::read(QStringLiteral("csv-suites/"
                                                                  "vanillaes-csv-"
                                                                  "rfc4180/") +
                                                   file))
                .object();
        QStringList lines;
        for (const QJsonValue line : suite.value(QStringLiteral("csv")).toArray())
            lines += line.toString();
        SuiteCase c{file.chopped(5), lines.join(u'\n').toUtf8(),
                    suite.value(QStringLiteral("json"))};
        if (c.name == QLatin1String("rfca3"))
            c.deviation = &s_trailingDelimiter;
        cases.push_back(c);
    }
    return cases;
}

class Rfc4180Test : public testing::TestWithParam<SuiteCase>
{};

TEST_P(Rfc4180Test, ReadsAsTheSuiteExpects)
{
    expectReading(GetParam(), readRows(GetParam().input));
}

INSTANTIATE_TEST_SUITE_P(Suites, Rfc4180Test, testing::ValuesIn(rfcCases()), caseName);

} // namespace
