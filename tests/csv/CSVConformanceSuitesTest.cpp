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

// The first row names the fields of the objects the other rows make.
QJsonArray keyedByHeader(const QJsonArray &rows)
{
    QJsonArray objects;
    const QJsonArray header = rows.isEmpty() ? QJsonArray() : rows.first().toArray();
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QJsonObject object;
        const QJsonArray row = rows[i].toArray();
        for (qsizetype column = 0; column < row.size(); ++column)
            object.insert(header[column].toString(), row[column]);
        objects.append(object);
    }
    return objects;
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
    QByteArray expected; // JSON
    bool isKeyedByHeader = false;
    const Deviation *deviation = nullptr;
};

void PrintTo(const SuiteCase &c, std::ostream *os)
{
    *os << c.name.toStdString();
}

// Compact JSON of an array or an object, the form both sides are compared in.
QByteArray normalized(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson("[" + json + "]");
    return QJsonDocument(document.array()).toJson(QJsonDocument::Compact);
}

class ConformanceSuiteTest : public testing::TestWithParam<SuiteCase>
{};

TEST_P(ConformanceSuiteTest, ReadsAsTheSuiteExpects)
{
    const SuiteCase &c = GetParam();
    auto parser = ZRNCSVParser::withCSVString(QString::fromUtf8(c.input), StringEncodings::UTF8);
    RowCollector collector;
    parser->setParserDelegate(&collector);
    parser->parse();
    const QJsonArray read = c.isKeyedByHeader ? keyedByHeader(collector.rows) : collector.rows;
    QByteArray expected = c.expected;
    if (c.deviation) {
        testing::Test::RecordProperty("deviation", c.deviation->reason);
        expected = c.deviation->productReading;
    }
    EXPECT_EQ(normalized(QJsonDocument(read).toJson()), normalized(expected))
        << (c.deviation ? c.deviation->reason : "") << "\nsuite expects " << c.expected.data();
}

std::string caseName(const testing::TestParamInfo<SuiteCase> &info)
{
    return info.param.name.toStdString();
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
    const QString suite = QStringLiteral("csv-suites/ogden-csv-suite/");
    std::vector<SuiteCase> cases;
    const QDir csvs(TestData::path(suite + QStringLiteral("csvs")));
    for (const QString &file : csvs.entryList({QStringLiteral("*.csv")}, QDir::Files)) {
        const QString name = file.chopped(4);
        cases.push_back(
            {name, TestData::read(suite + QStringLiteral("csvs/") + file),
             TestData::read(suite + QStringLiteral("json/") + name + QStringLiteral(".json")), true,
             name == u"location_coordinates" ? &s_wrongPhoneNumber : nullptr});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Ogden, ConformanceSuiteTest, testing::ValuesIn(ogdenSuiteCases()),
                         caseName);

// The RFC 4180 examples: {"csv": [lines], "json": [[fields]]}, the lines joined with LF.
std::vector<SuiteCase> rfcCases()
{
    const QString suite = QStringLiteral("csv-suites/vanillaes-csv-rfc4180/");
    std::vector<SuiteCase> cases;
    const QDir dir(TestData::path(suite));
    for (const QString &file : dir.entryList({QStringLiteral("rfc*.json")}, QDir::Files)) {
        const QJsonObject example = QJsonDocument::fromJson(TestData::read(suite + file)).object();
        QStringList lines;
        for (const QJsonValue line : example.value(QStringLiteral("csv")).toArray())
            lines += line.toString();
        const QString name = file.chopped(5);
        cases.push_back({name, lines.join(u'\n').toUtf8(),
                         QJsonDocument(example.value(QStringLiteral("json")).toArray()).toJson(),
                         false});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Rfc4180, ConformanceSuiteTest, testing::ValuesIn(rfcCases()), caseName);

} // namespace
