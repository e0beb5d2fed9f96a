#include "ZRNCSVExport.h"

#include "StringEncodingTable.h"
#include "TextConverter.h"
#include "foundation/LocalizedStrings.h"

#include <QIODevice>
#include <QLocale>

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Text is converted and written in blocks of about this many UTF-16 units: large enough that
// writing costs few system calls, small enough to stay in the cache.
constexpr qsizetype BlockSize = 128 * 1024;

constexpr char16_t QuotationMark = u'"';

// Characters that put a value in quotation marks, below U+0040: every separator the product
// writes, whichever is in use, the quotation mark, the blank, and the line breaks the reader ends
// a line at (LF, VT, FF, CR).
constexpr quint64 s_lowQuoteTriggers = [] {
    quint64 bits = 0;
    for (const char c : {',', ';', '\t', '"', ' ', '\n', '\v', '\f', '\r'})
        bits |= quint64(1) << c;
    return bits;
}();

bool needsQuotes(char16_t c)
{
    if (c < 64)
        return (s_lowQuoteTriggers >> c) & 1;
    // The other line breaks of the reader: NEL, LINE SEPARATOR, PARAGRAPH SEPARATOR.
    return c >= 0x85 && (c == 0x85 || c == 0x2028 || c == 0x2029);
}

#if defined(__SSE2__)
// Whether one of eight characters puts a value in quotation marks.
bool hasQuoteTrigger(__m128i text)
{
    const auto equal = [text](char16_t c) {
        return _mm_cmpeq_epi16(text, _mm_set1_epi16(short(c)));
    };
    // TAB, LF, VT, FF, CR: text - 9 is at most 4.
    const __m128i controls =
        _mm_subs_epu16(_mm_sub_epi16(text, _mm_set1_epi16(9)), _mm_set1_epi16(4));
    __m128i hits = _mm_cmpeq_epi16(controls, _mm_setzero_si128());
    hits = _mm_or_si128(hits, _mm_or_si128(equal(u' '), equal(u'"')));
    hits = _mm_or_si128(hits, _mm_or_si128(equal(u','), equal(u';')));
    hits = _mm_or_si128(hits, equal(u'\u0085'));
    // LINE SEPARATOR and PARAGRAPH SEPARATOR differ in the lowest bit only.
    const __m128i lowBitSet = _mm_or_si128(text, _mm_set1_epi16(1));
    hits = _mm_or_si128(hits, _mm_cmpeq_epi16(lowBitSet, _mm_set1_epi16(0x2029)));
    return _mm_movemask_epi8(hits) != 0;
}
#endif

// Copies the value to out as it is and answers the end of the copy, or nullptr (having written
// some of it) when one of its characters puts it in quotation marks.
char16_t *writeBare(char16_t *out, QStringView value)
{
    const char16_t *begin = value.utf16();
    const char16_t *const end = begin + value.size();
#if defined(__SSE2__)
    // Eight characters at a time: copied first, looked at while they are at hand.
    for (; end - begin >= 8; begin += 8, out += 8) {
        const __m128i text = _mm_loadu_si128(reinterpret_cast<const __m128i *>(begin));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), text);
        if (hasQuoteTrigger(text))
            return nullptr;
    }
#endif
    for (; begin != end; ++begin) {
        if (needsQuotes(*begin))
            return nullptr;
        *out++ = *begin;
    }
    return out;
}

// Writes the value at out, in quotation marks when asked or when one of its characters needs
// them, and answers the end of what it wrote: at most twice the value's length and two more.
char16_t *writeEscaped(char16_t *out, QStringView value, bool quoted)
{
    if (!quoted) {
        if (char16_t *const end = writeBare(out, value))
            return end;
    }
    *out++ = QuotationMark;
    for (const QChar c : value) {
        *out++ = c.unicode();
        if (c == QuotationMark)
            *out++ = QuotationMark;
    }
    *out++ = QuotationMark;
    return out;
}

class StringListRows final : public ZRNCSVRowSource
{
public:
    explicit StringListRows(const QList<QStringList> &rows) : m_rows(rows) {}

    qsizetype rowCount() const override { return m_rows.size(); }
    qsizetype columnCount(qsizetype row) const override { return m_rows[row].size(); }
    QStringView cell(qsizetype row, qsizetype column) const override { return m_rows[row][column]; }

private:
    const QList<QStringList> &m_rows;
};

// Separator and line-ending types 1 and 2 have their own text; any other value means the first.
QString choiceOfType(int type, const std::array<const char16_t *, 3> &texts)
{
    return QString::fromUtf16(texts[type == 1 || type == 2 ? type : 0]);
}

QString encodingName(StringEncoding encoding)
{
    const QString name = StringEncodingTable::displayName(encoding);
    return name.isEmpty() ? QString::number(encoding) : name;
}

} // namespace

QString ZRNCSVExport::errorDomain()
{
    return QStringLiteral("org.tabwright.ZRNCSVExport");
}

ZRNCSVExport::ZRNCSVExport(QIODevice *filehandle) : m_filehandle(filehandle)
{
    setSeparatorType(0);
    setLineEndType(0);
}

ZRNCSVExport::~ZRNCSVExport() = default;

void ZRNCSVExport::setFilehandle(QIODevice *filehandle)
{
    m_filehandle = filehandle;
    m_converter.reset();
    m_rowsWritten = 0;
}

void ZRNCSVExport::setEncoding(StringEncoding encoding)
{
    m_encoding = encoding;
    m_converter.reset();
}

void ZRNCSVExport::setSeparatorType(int separatorType)
{
    m_separatorType = separatorType;
    m_delimiterString = choiceOfType(separatorType, {u",", u";", u"\t"});
}

void ZRNCSVExport::setLineEndType(int lineEndType)
{
    m_lineEndType = lineEndType;
    m_lineEndString = choiceOfType(lineEndType, {u"\r\n", u"\r", u"\n"});
}

TextConverter &ZRNCSVExport::converter()
{
    if (!m_converter)
        m_converter = std::make_unique<TextConverter>(m_encoding);
    return *m_converter;
}

bool ZRNCSVExport::writeRows(const ZRNCSVRowSource &rows, Error *error, const Progress &progress)
{
    if (!converter().isValid()) {
        Error::report(error, Error(errorDomain(), UnknownEncoding,
                                   localized("LSAExportUnknownEncoding").arg(m_encoding)));
        return false;
    }
    const qsizetype count = rows.rowCount();
    qsizetype blockStart = 0;
    for (qsizetype row = 0; row < count; ++row) {
        appendRow(rows, row);
        if (m_textSize < BlockSize && row + 1 < count)
            continue;
        if (!flush(rows, blockStart, row + 1, error))
            return false;
        blockStart = row + 1;
        if (progress && !progress(blockStart)) {
            Error::report(error, Error(errorDomain(), Cancelled, localized("LSAExportCancelled")));
            return false;
        }
    }
    return true;
}

bool ZRNCSVExport::writeRows(const QList<QStringList> &rows, Error *error)
{
    return writeRows(StringListRows(rows), error);
}

bool ZRNCSVExport::writeRow(const QStringList &row, Error *error)
{
    return writeRows(QList<QStringList>{row}, error);
}

QString ZRNCSVExport::escapeString(QStringView value, bool startsLine) const
{
    QString escaped(value.size() * 2 + 2, Qt::Uninitialized);
    char16_t *const start = reinterpret_cast<char16_t *>(escaped.data());
    escaped.truncate(writeEscaped(start, value, isQuotingForced(value, startsLine)) - start);
    return escaped;
}

std::optional<QByteArray> ZRNCSVExport::encodeString(QStringView text)
{
    QByteArray bytes;
    if (!converter().encode(text, bytes))
        return std::nullopt;
    return bytes;
}

bool ZRNCSVExport::isQuotingForced(QStringView value, bool startsLine) const
{
    return m_forceQuotes || (startsLine && value.startsWith(u'#'));
}

char16_t *ZRNCSVExport::textRoom(qsizetype size)
{
    if (m_textSize + size > m_text.size())
        m_text.resize(std::max(m_text.size() * 2, m_textSize + size + BlockSize));
    return reinterpret_cast<char16_t *>(m_text.data()) + m_textSize;
}

void ZRNCSVExport::appendText(QStringView text)
{
    // A separator or line break: one or two units, quicker copied by hand than by memmove.
    char16_t *out = textRoom(text.size());
    for (const QChar c : text)
        *out++ = c.unicode();
    m_textSize += text.size();
}

void ZRNCSVExport::appendEscaped(QStringView value, bool startsLine, bool isAlone)
{
    char16_t *const start = textRoom(value.size() * 2 + 2);
    m_textSize += writeEscaped(start, value,
                               isQuotingForced(value, startsLine) || (isAlone && value.isEmpty())) -
                  start;
}

void ZRNCSVExport::appendRow(const ZRNCSVRowSource &rows, qsizetype row)
{
    const qsizetype columns = rows.columnCount(row);
    for (qsizetype column = 0; column < columns; ++column) {
        if (column > 0)
            appendText(m_delimiterString);
        appendEscaped(rows.cell(row, column), column == 0, columns == 1);
    }
    appendText(m_lineEndString);
}

bool ZRNCSVExport::flush(const ZRNCSVRowSource &rows, qsizetype firstRow, qsizetype endRow,
                         Error *error)
{
    m_bytes.resize(0);
    const bool encoded = converter().encode(QStringView(m_text).first(m_textSize), m_bytes);
    m_textSize = 0;
    if (!encoded) {
        Error::report(error, unrepresentableCharacterError(rows, firstRow, endRow));
        return false;
    }
    m_rowsWritten += endRow - firstRow;
    return writeBytes(error);
}

bool ZRNCSVExport::writeBytes(Error *error)
{
    if (m_bytes.isEmpty())
        return true;
    const qint64 written = m_filehandle ? m_filehandle->write(m_bytes) : -1;
    if (written == m_bytes.size())
        return true;
    const QString reason = m_filehandle ? m_filehandle->errorString() : QString();
    Error::report(error,
                  Error(errorDomain(), WriteFailed, localized("LSAExportWriteFailed").arg(reason)));
    return false;
}

// The rows of a block that failed to convert are converted again cell by cell to find the
// first character the encoding cannot hold.
Error ZRNCSVExport::unrepresentableCharacterError(const ZRNCSVRowSource &rows, qsizetype firstRow,
                                                  qsizetype endRow) const
{
    TextConverter probe(m_encoding);
    QByteArray scratch;
    for (qsizetype row = firstRow; row < endRow; ++row) {
        for (qsizetype column = 0; column < rows.columnCount(row); ++column) {
            const QStringView cell = rows.cell(row, column);
            qsizetype index = -1;
            scratch.resize(0);
            if (probe.encode(cell, scratch, &index))
                continue;
            const bool isPair = index + 1 < cell.size() && cell[index].isHighSurrogate() &&
                                cell[index + 1].isLowSurrogate();
            const QStringView character = cell.mid(index, isPair ? 2 : 1);
            const char32_t codePoint = isPair ? QChar::surrogateToUcs4(cell[index], cell[index + 1])
                                              : cell[index].unicode();
            const QString columnNumber = QString::number(column + 1);
            const QString code = QString::number(codePoint, 16).toUpper().rightJustified(4, u'0');
            const QString encoding = encodingName(m_encoding);
            const qsizetype dataRow = m_rowsWritten + row - firstRow - rows.titleRowCount();
            const QString message =
                dataRow < 0 ? localized("LSAExportUnrepresentableTitle")
                                  .arg(columnNumber, character.toString(), code, encoding)
                            : localized("LSAExportUnrepresentableCharacter")
                                  .arg(QLocale().toString(dataRow + 1), columnNumber,
                                       character.toString(), code, encoding);
            return Error(errorDomain(), UnrepresentableCharacter, message);
        }
    }
    // Only a separator or line break is left; every encoding offered holds those.
    return Error(errorDomain(), UnrepresentableCharacter,
                 localized("LSAExportUnrepresentableText").arg(encodingName(m_encoding)));
}
