#include "BenchTableGenerator.h"

#include <QIODevice>

#include <array>

namespace {

// splitmix64: small, fast, and the same everywhere (unlike the standard distributions).
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    quint64 below(quint64 bound) { return next() % bound; }
    template<typename Array>
    const char *pick(const Array &choices)
    {
        return choices[below(choices.size())];
    }

private:
    quint64 m_state;
};

constexpr std::array s_categories = {"groceries", "rent",   "salary", "travel", "insurance",
                                     "books",     "energy", "refund", "fees",   "donation"};
constexpr std::array s_firstNames = {"Anna", "Jonas",  "Maria", "Luca", "Sofia",
                                     "Noah", "Amélie", "Jiří",  "Emma", "Oskar"};
constexpr std::array s_lastNames = {"Schmidt", "Rossi",  "Novák", "García",   "Dubois",
                                    "Jensen",  "Müller", "Smith", "Kowalski", "Björk"};
constexpr std::array s_cities = {"Zürich",   "São Paulo", "Kraków",    "Malmö",
                                 "Besançon", "München",   "Reykjavík", "Lyon",
                                 "Göteborg", "Porto",     "Île-de-Ré", "Oslo"};
constexpr std::array s_words = {"the",     "invoice",  "was",   "paid", "late",    "again",
                                "please",  "check",    "our",   "new",  "account", "number",
                                "monthly", "standing", "order", "for",  "spare",   "parts"};

void appendQuoted(QByteArray &out, const QByteArray &text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

QByteArray sentence(Random &random)
{
    QByteArray text;
    const quint64 words = 2 + random.below(6);
    for (quint64 i = 0; i < words; ++i) {
        if (i > 0)
            text += random.below(60) == 0 ? '\n' : ' ';
        const bool quoted = random.below(12) == 0;
        if (quoted)
            text += '"';
        text += random.pick(s_words);
        if (quoted)
            text += '"';
    }
    text += '.';
    return text;
}

} // namespace

QByteArray BenchTableGenerator::header()
{
    return "id,amount,date,category,name,comment,email,city,note\r\n";
}

void BenchTableGenerator::appendRow(qint64 row, QByteArray &out)
{
    Random random(static_cast<quint64>(row) * 0x2545F4914F6CDD1DULL + 1);
    out += QByteArray::number(row + 1);
    out += ',';
    const quint64 cents = random.below(2000000);
    out += QByteArray::number(static_cast<double>(cents) / 100.0, 'f', 2);
    out += ',';
    out += QByteArray::number(2015 + random.below(10)) + '-';
    out += QByteArray::number(1 + random.below(12)).rightJustified(2, '0') + '-';
    out += QByteArray::number(1 + random.below(28)).rightJustified(2, '0');
    out += ',';
    out += random.pick(s_categories);
    out += ',';
    const char *first = random.pick(s_firstNames);
    const char *last = random.pick(s_lastNames);
    appendQuoted(out, QByteArray(last) + ", " + first);
    out += ',';
    const QByteArray comment = sentence(random);
    if (comment.contains('"') || comment.contains('\n'))
        appendQuoted(out, comment);
    else
        out += comment;
    out += ',';
    out += QByteArray(first).toLower() + '.' + QByteArray(last).toLower() + "@example.com";
    out += ',';
    out += random.pick(s_cities);
    out += ',';
    if (random.below(5) == 0)
        out += random.pick(s_words);
    out += "\r\n";
}

namespace {

bool writeInBatches(QByteArray batch, qint64 rows, QIODevice &device,
                    void (*appendRow)(qint64 row, QByteArray &out))
{
    constexpr qsizetype batchSize = 1 << 20;
    batch.reserve(batchSize + 1024);
    for (qint64 row = 0; row < rows; ++row) {
        appendRow(row, batch);
        if (batch.size() >= batchSize) {
            if (device.write(batch) != batch.size())
                return false;
            batch.resize(0);
        }
    }
    return device.write(batch) == batch.size();
}

void appendNumber(qint64 row, QByteArray &out)
{
    out += QByteArray::number(row + 1);
    out += '\n';
}

} // namespace

bool BenchTableGenerator::write(qint64 rows, QIODevice &device)
{
    return writeInBatches(header(), rows, device, appendRow);
}

bool BenchTableGenerator::writeNumbers(qint64 rows, QIODevice &device)
{
    return writeInBatches({}, rows, device, appendNumber);
}
