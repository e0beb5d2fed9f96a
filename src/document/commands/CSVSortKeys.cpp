#include "CSVSortKeys.h"

#include <QLocale>

#include <unicode/coll.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

std::unique_ptr<icu::Collator> makeCollator(bool comparesNumbers)
{
    UErrorCode error = U_ZERO_ERROR;
    const QByteArray locale = QLocale().name().toLatin1();
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(icu::Locale(locale.constData()), error));
    if (U_FAILURE(error) || !collator) {
        error = U_ZERO_ERROR;
        collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), error));
    }
    // Secondary strength: accents count, letter case does not.
    collator->setStrength(icu::Collator::SECONDARY);
    collator->setAttribute(UCOL_NUMERIC_COLLATION, comparesNumbers ? UCOL_ON : UCOL_OFF, error);
    return collator;
}

quint64 prefixOf(const uint8_t *key, size_t length)
{
    quint64 prefix = 0;
    for (size_t i = 0; i < 8; ++i)
        prefix = prefix << 8 | (i < length ? key[i] : 0);
    return prefix;
}

} // namespace

CSVSortKeys::CSVSortKeys(const CSVRowList &rows, qint64 position, bool comparesNumbers)
{
    const std::unique_ptr<icu::Collator> collator = makeCollator(comparesNumbers);
    m_prefixes.reserve(rows.size());
    m_ends.reserve(rows.size());
    std::u16string scratch;
    for (const CSVRowPtr &row : rows) {
        const CSVRow::TextView cells = row->textView(scratch);
        const QStringView cell =
            position >= 0 && position < cells.count() ? cells.at(position) : QStringView();
        const size_t start = m_bytes.size();
        int32_t capacity = int32_t(cell.size()) * 4 + 16;
        for (;;) {
            m_bytes.resize(start + size_t(capacity));
            const int32_t length =
                collator->getSortKey(reinterpret_cast<const char16_t *>(cell.utf16()),
                                     int32_t(cell.size()), m_bytes.data() + start, capacity);
            if (length <= capacity) {
                // The key ends with a zero byte that no other byte of it equals: not needed.
                m_bytes.resize(start + size_t(std::max(length - 1, 0)));
                break;
            }
            capacity = length;
        }
        m_prefixes.push_back(prefixOf(m_bytes.data() + start, m_bytes.size() - start));
        m_ends.push_back(m_bytes.size());
    }
    m_bytes.shrink_to_fit();
}

int CSVSortKeys::compare(size_t a, size_t b) const
{
    if (m_prefixes[a] != m_prefixes[b])
        return m_prefixes[a] < m_prefixes[b] ? -1 : 1;
    const size_t beginA = a == 0 ? 0 : m_ends[a - 1];
    const size_t beginB = b == 0 ? 0 : m_ends[b - 1];
    const size_t lengthA = m_ends[a] - beginA;
    const size_t lengthB = m_ends[b] - beginB;
    const int order =
        std::memcmp(m_bytes.data() + beginA, m_bytes.data() + beginB, std::min(lengthA, lengthB));
    if (order != 0)
        return order;
    return lengthA < lengthB ? -1 : (lengthA > lengthB ? 1 : 0);
}
