#include "CSVRow.h"

#include "CSVRowBuilder.h"
#include "CSVRowSlabs.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

namespace {

// Block layout: [count | flags] [end offset of each cell] [text]. Offsets count characters;
// the text holds one byte per character, or two when the row is wide.
constexpr quint32 s_wideFlag = 0x80000000u;
constexpr quint32 s_slabFlag = 0x40000000u;
constexpr quint32 s_countMask = ~(s_wideFlag | s_slabFlag);

qsizetype cellCount(const quint32 *block)
{
    return block ? qsizetype(block[0] & s_countMask) : 0;
}

bool isWide(const quint32 *block)
{
    return block && (block[0] & s_wideFlag);
}

quint32 cellBegin(const quint32 *block, qsizetype index)
{
    return index == 0 ? 0 : block[index];
}

quint32 cellEnd(const quint32 *block, qsizetype index)
{
    return block[index + 1];
}

qsizetype textLength(const quint32 *block)
{
    const qsizetype count = cellCount(block);
    return count == 0 ? 0 : block[count];
}

const char *text(const quint32 *block)
{
    return reinterpret_cast<const char *>(block + 1 + cellCount(block));
}

char *text(quint32 *block)
{
    return reinterpret_cast<char *>(block + 1 + cellCount(block));
}

size_t blockBytes(qsizetype count, qsizetype length, bool wide)
{
    return sizeof(quint32) * size_t(1 + count) + size_t(length) * (wide ? 2 : 1);
}

quint32 *allocateBlock(qsizetype count, qsizetype length, bool wide, CSVRowSlabs *slabs = nullptr)
{
    const size_t bytes = blockBytes(count, length, wide);
    const bool inSlab = slabs && CSVRowSlabs::fits(bytes);
    auto *block = static_cast<quint32 *>(inSlab ? slabs->allocate(bytes) : ::operator new(bytes));
    block[0] = quint32(count) | (wide ? s_wideFlag : 0) | (inSlab ? s_slabFlag : 0);
    return block;
}

void freeBlock(quint32 *block)
{
    if (block && (block[0] & s_slabFlag))
        CSVRowSlabs::release(block);
    else
        ::operator delete(block);
}

// The bytes after the header word: the offsets and the text.
size_t bodyBytes(const quint32 *block)
{
    return blockBytes(cellCount(block), textLength(block), isWide(block)) - sizeof(quint32);
}

bool needsWide(const char16_t *chars, qsizetype length)
{
    // One pass that the compiler vectorises; rows are mostly Latin-1.
    char16_t bits = 0;
    for (qsizetype i = 0; i < length; ++i)
        bits |= chars[i];
    return bits > 0xFF;
}

// An empty cell may come as a null view (padding, a null QString): nothing is copied from it.
void copyChars(const char16_t *from, qsizetype length, char *to, bool wide)
{
    if (wide) {
        std::copy_n(from, length, reinterpret_cast<char16_t *>(to));
        return;
    }
    auto *bytes = reinterpret_cast<uchar *>(to);
    for (qsizetype i = 0; i < length; ++i)
        bytes[i] = uchar(from[i]);
}

QString cellText(const quint32 *block, qsizetype index)
{
    const quint32 begin = cellBegin(block, index);
    const qsizetype length = cellEnd(block, index) - begin;
    if (isWide(block))
        return QString(reinterpret_cast<const QChar *>(text(block)) + begin, length);
    return QString::fromLatin1(text(block) + begin, length);
}

// Fills a fresh block cell by cell.
class BlockWriter
{
public:
    explicit BlockWriter(quint32 *block)
        : m_block(block)
        , m_text(reinterpret_cast<char *>(block + 1 + cellCount(block)))
        , m_wide(isWide(block))
    {}

    void put(QStringView cell)
    {
        copyChars(reinterpret_cast<const char16_t *>(cell.utf16()), cell.size(), at(), m_wide);
        finishCell(cell.size());
    }

    void putCells(const quint32 *from, qsizetype first, qsizetype last)
    {
        for (qsizetype i = first; i < last; ++i) {
            const quint32 begin = cellBegin(from, i);
            const qsizetype length = cellEnd(from, i) - begin;
            if (isWide(from)) {
                const auto *chars = reinterpret_cast<const char16_t *>(text(from)) + begin;
                copyChars(chars, length, at(), m_wide);
            } else if (m_wide) {
                const auto *bytes = reinterpret_cast<const uchar *>(text(from)) + begin;
                auto *chars = reinterpret_cast<char16_t *>(at());
                std::copy(bytes, bytes + length, chars);
            } else {
                std::memcpy(at(), text(from) + begin, size_t(length));
            }
            finishCell(length);
        }
    }

private:
    char *at() const { return m_text + m_length * (m_wide ? 2 : 1); }
    void finishCell(qsizetype length)
    {
        m_length += length;
        m_block[1 + m_cell++] = quint32(m_length);
    }

    quint32 *m_block;
    char *m_text;
    bool m_wide;
    qsizetype m_cell = 0;
    qsizetype m_length = 0;
};

} // namespace

CSVRow::CSVRow(const QStringList &cells)
{
    std::vector<QStringView> views(cells.begin(), cells.end());
    splice(0, 0, views.data(), qsizetype(views.size()));
}

CSVRow::CSVRow(const CSVRowBuilder &builder, CSVRowSlabs *slabs)
{
    const qsizetype count = builder.count();
    if (count == 0)
        return;
    const std::u16string &chars = builder.text();
    const qsizetype length = qsizetype(chars.size());
    const bool wide = needsWide(chars.data(), length);
    m_block = allocateBlock(count, length, wide, slabs);
    std::memcpy(m_block + 1, builder.ends().data(), sizeof(quint32) * size_t(count));
    copyChars(chars.data(), length, reinterpret_cast<char *>(m_block + 1 + count), wide);
}

CSVRow::CSVRow(const CSVRow &other)
{
    *this = other;
}

CSVRow &CSVRow::operator=(const CSVRow &other)
{
    if (this == &other)
        return *this;
    quint32 *copy = nullptr;
    if (other.m_block) {
        copy = allocateBlock(cellCount(other.m_block), textLength(other.m_block),
                             isWide(other.m_block));
        std::memcpy(copy + 1, other.m_block + 1, bodyBytes(other.m_block));
    }
    freeBlock(m_block);
    m_block = copy;
    return *this;
}

CSVRow::~CSVRow()
{
    freeBlock(m_block);
}

qsizetype CSVRow::count() const
{
    return cellCount(m_block);
}

QString CSVRow::at(qsizetype index) const
{
    Q_ASSERT(index >= 0 && index < count());
    return cellText(m_block, index);
}

CSVRow::TextView CSVRow::textView(std::u16string &scratch) const
{
    TextView view;
    view.m_count = count();
    if (view.m_count == 0)
        return view;
    view.m_ends = m_block + 1;
    if (isWide(m_block)) {
        view.m_text = reinterpret_cast<const char16_t *>(text(m_block));
        return view;
    }
    const qsizetype length = textLength(m_block);
    if (qsizetype(scratch.size()) < length)
        scratch.resize(size_t(length));
    const auto *bytes = reinterpret_cast<const uchar *>(text(m_block));
    std::copy(bytes, bytes + length, scratch.data());
    view.m_text = scratch.data();
    return view;
}

QStringView CSVRow::utf16At(qsizetype index, std::u16string &scratch) const
{
    if (index < 0 || index >= count())
        return {};
    const quint32 begin = cellBegin(m_block, index);
    const qsizetype length = cellEnd(m_block, index) - begin;
    if (isWide(m_block))
        return QStringView(reinterpret_cast<const char16_t *>(text(m_block)) + begin, length);
    const auto *bytes = reinterpret_cast<const uchar *>(text(m_block)) + begin;
    scratch.assign(bytes, bytes + length);
    return QStringView(scratch.data(), length);
}

CSVRow::Storage CSVRow::storage() const
{
    if (!m_block)
        return {};
    const char *chars = text(m_block);
    const qsizetype length = textLength(m_block);
    const QAnyStringView all =
        isWide(m_block)
            ? QAnyStringView(QStringView(reinterpret_cast<const char16_t *>(chars), length))
            : QAnyStringView(QLatin1StringView(chars, length));
    return {all, m_block + 1, cellCount(m_block)};
}

QAnyStringView CSVRow::view(qsizetype index) const
{
    Q_ASSERT(index >= 0 && index < count());
    const quint32 begin = cellBegin(m_block, index);
    const qsizetype length = cellEnd(m_block, index) - begin;
    if (isWide(m_block))
        return QStringView(reinterpret_cast<const char16_t *>(text(m_block)) + begin, length);
    return QLatin1StringView(text(m_block) + begin, length);
}

QStringList CSVRow::cells() const
{
    QStringList list;
    list.reserve(count());
    for (qsizetype i = 0; i < count(); ++i)
        list.append(cellText(m_block, i));
    return list;
}

void CSVRow::set(qsizetype index, QStringView text)
{
    Q_ASSERT(index >= 0 && index < count());
    // A text as long as the old one (a change of case, mostly) is written over it: a million
    // cells change without a million allocations.
    const quint32 begin = cellBegin(m_block, index);
    const auto *chars = reinterpret_cast<const char16_t *>(text.utf16());
    const bool wide = isWide(m_block);
    if (cellEnd(m_block, index) - begin == text.size() &&
        (wide || !needsWide(chars, text.size()))) {
        copyChars(chars, text.size(), ::text(m_block) + begin * (wide ? 2 : 1), wide);
        return;
    }
    splice(index, 1, &text, 1);
}

void CSVRow::padTo(qsizetype newCount)
{
    if (newCount <= count())
        return;
    const std::vector<QStringView> empties(size_t(newCount - count()));
    splice(count(), 0, empties.data(), qsizetype(empties.size()));
}

void CSVRow::splice(qsizetype index, qsizetype removeCount, const QStringView *inserted,
                    qsizetype insertCount)
{
    const qsizetype oldCount = count();
    Q_ASSERT(index >= 0 && index + removeCount <= oldCount);
    const qsizetype newCount = oldCount - removeCount + insertCount;
    if (newCount == 0) {
        freeBlock(m_block);
        m_block = nullptr;
        return;
    }
    qsizetype length = textLength(m_block);
    if (oldCount > 0)
        length -= cellBegin(m_block, index + removeCount) - cellBegin(m_block, index);
    bool wide = isWide(m_block);
    for (qsizetype i = 0; i < insertCount; ++i) {
        length += inserted[i].size();
        wide = wide || needsWide(reinterpret_cast<const char16_t *>(inserted[i].utf16()),
                                 inserted[i].size());
    }
    quint32 *block = allocateBlock(newCount, length, wide);
    BlockWriter writer(block);
    writer.putCells(m_block, 0, index);
    for (qsizetype i = 0; i < insertCount; ++i)
        writer.put(inserted[i]);
    writer.putCells(m_block, index + removeCount, oldCount);
    freeBlock(m_block);
    m_block = block;
}

bool CSVRow::hasSameCells(const CSVRow &other) const
{
    const qsizetype n = count();
    if (n != other.count())
        return false;
    if (n == 0)
        return true;
    if (isWide(m_block) == isWide(other.m_block)) {
        return textLength(m_block) == textLength(other.m_block) &&
               std::memcmp(m_block + 1, other.m_block + 1, bodyBytes(m_block)) == 0;
    }
    for (qsizetype i = 0; i < n; ++i) {
        if (cellText(m_block, i) != cellText(other.m_block, i))
            return false;
    }
    return true;
}

size_t CSVRow::contentHash() const
{
    // The cell ends say where the cells break; the text is hashed as Latin-1 bytes whenever it
    // fits, so that a wide row of Latin-1 characters hashes as its narrow twin.
    const qsizetype n = count();
    if (n == 0)
        return 0;
    const size_t hash = qHashBits(m_block + 1, size_t(n) * sizeof(quint32), size_t(n));
    const qsizetype length = textLength(m_block);
    if (!isWide(m_block))
        return qHashBits(text(m_block), size_t(length), hash);
    const auto *chars = reinterpret_cast<const char16_t *>(text(m_block));
    if (needsWide(chars, length))
        return qHashBits(chars, size_t(length) * sizeof(char16_t), hash);
    std::string narrow(size_t(length), '\0');
    std::transform(chars, chars + length, narrow.begin(), [](char16_t c) { return char(c); });
    return qHashBits(narrow.data(), narrow.size(), hash);
}

QString CSVRow::valueForKey(QStringView key) const
{
    static constexpr QStringView s_indexPrefix = u"objectAtIndex";
    if (key == u"allValues")
        return allValues();
    if (key.startsWith(s_indexPrefix))
        return objectAtIndex(key.mid(s_indexPrefix.size()).toLongLong());
    return {};
}

QString CSVRow::allValues() const
{
    const qsizetype n = count();
    QString joined;
    joined.reserve(textLength(m_block) + std::max<qsizetype>(n - 1, 0));
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0)
            joined.append(QLatin1Char(' '));
        joined.append(cellText(m_block, i));
    }
    return joined;
}

QString CSVRow::objectAtIndex(qsizetype index) const
{
    return index >= 0 && index < count() ? cellText(m_block, index) : QString();
}

CSVRowPtr makeCSVRow(const QStringList &cells)
{
    return std::make_shared<CSVRow>(cells);
}
