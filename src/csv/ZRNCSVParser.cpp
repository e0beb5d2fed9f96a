#include "ZRNCSVParser.h"

#include "TextConverter.h"
#include "ZRNCSVFieldText.h"
#include "ZRNCSVParserDelegate.h"
#include "ZRNSeparatorDetector.h"

#include "foundation/LocalizedStrings.h"
#include "foundation/NotFound.h"

#include <QBuffer>
#include <QFile>
#include <QScopeGuard>

#include <stdexcept>

namespace {

// CR LF is one line break, as everywhere in the parser.
qint64 leadingLineBreaks(QStringView raw)
{
    qint64 count = 0;
    for (qsizetype i = 0; i < raw.size() && ZRNCSVFieldText::isLineBreak(raw[i].unicode()); ++i) {
        if (raw[i] == u'\r' && i + 1 < raw.size() && raw[i + 1] == u'\n')
            ++i;
        ++count;
    }
    return count;
}

constexpr char16_t Quote = ZRNCSVFieldText::QuotationMark;
constexpr char16_t Escape = ZRNCSVFieldText::EscapeCharacter;

constexpr qsizetype SeparatorSampleSize = 16384;

std::unique_ptr<QIODevice> openFile(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    file->open(QIODevice::ReadOnly);
    return file;
}

std::unique_ptr<QIODevice> openBytes(const QByteArray &bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

QString delimiterOfSeparatorType(qint64 separatorType)
{
    switch (separatorType) {
    case 0:
        return QStringLiteral(",");
    case 1:
        return QStringLiteral(";");
    case 2:
        return QStringLiteral("\t");
    default:
        return {};
    }
}

bool isRefusedDelimiter(const QString &delimiter)
{
    if (delimiter.size() != 1)
        return true;
    const char16_t c = delimiter.front().unicode();
    return ZRNCSVFieldText::isLineBreak(c) || c == ZRNCSVFieldText::CommentMarker || c == Quote ||
           c == Escape;
}

} // namespace

QString ZRNCSVParser::errorDomain()
{
    return QStringLiteral("org.tabwright.csvparser");
}

ZRNCSVParser::ZRNCSVParser(std::unique_ptr<QIODevice> stream, StringEncoding encoding,
                           StreamFactory reopen)
    : m_reopen(std::move(reopen)), m_fileEncoding(encoding), m_unclosedQuoteLine(NotFound)
{
    m_input.setStream(std::move(stream));
    setDelimiter(QStringLiteral(","));
}

ZRNCSVParser::~ZRNCSVParser() = default;

std::unique_ptr<ZRNCSVParser> ZRNCSVParser::make(std::unique_ptr<QIODevice> stream,
                                                 StringEncoding encoding, StreamFactory reopen,
                                                 Error *error)
{
    if (stream && !stream->isOpen())
        stream->open(QIODevice::ReadOnly);
    if (!stream || !stream->isReadable()) {
        Error::report(error,
                      Error(errorDomain(), InputError, localized("LSCSVParserUnableToOpenFile")));
        return nullptr;
    }
    return std::unique_ptr<ZRNCSVParser>(
        new ZRNCSVParser(std::move(stream), encoding, std::move(reopen)));
}

std::unique_ptr<ZRNCSVParser>
ZRNCSVParser::withContentsOfCSVFile(const QString &path, StringEncoding encoding, Error *error)
{
    auto parser = make(
        openFile(path), encoding, [path] { return openFile(path); }, error);
    if (parser)
        parser->m_csvFile = path;
    return parser;
}

std::unique_ptr<ZRNCSVParser> ZRNCSVParser::withStream(std::unique_ptr<QIODevice> stream,
                                                       StringEncoding encoding, Error *error)
{
    return make(std::move(stream), encoding, {}, error);
}

std::unique_ptr<ZRNCSVParser> ZRNCSVParser::withCSVString(const QString &string,
                                                          StringEncoding encoding, Error *error)
{
    TextConverter converter(encoding);
    QByteArray bytes;
    if (!converter.encode(string, bytes)) {
        Error::report(
            error, Error(errorDomain(), InputError, localized("LSCSVParserUnableToEncodeString")));
        return nullptr;
    }
    return make(
        openBytes(bytes), encoding, [bytes] { return openBytes(bytes); }, error);
}

void ZRNCSVParser::setDelimiter(const QString &delimiter)
{
    if (m_hasStarted)
        throw std::invalid_argument("You cannot set a delimiter after parsing has started");
    if (isRefusedDelimiter(delimiter))
        throw std::invalid_argument(
            QStringLiteral("%1 cannot be used as a delimiter").arg(delimiter).toStdString());
    m_delimiter = delimiter;
    m_delimiterCharacter = delimiter.front().unicode();
    m_units.setDelimiter(m_delimiterCharacter);
    updatePlainTextScanners();
}

void ZRNCSVParser::setBackslashEscapes(bool backslashEscapes)
{
    if (m_hasStarted)
        throw std::invalid_argument(
            "You cannot change backslash escapes after parsing has started");
    m_escapeCharacter = backslashEscapes ? Escape : Quote;
    updatePlainTextScanners();
}

void ZRNCSVParser::updatePlainTextScanners()
{
    m_unquotedText = ZRNPlainTextScanner(Quote, m_escapeCharacter, m_delimiterCharacter);
    m_quotedText = ZRNPlainTextScanner(Quote, m_escapeCharacter, Quote);
}

void ZRNCSVParser::setSeparatorType(qint64 separatorType)
{
    const QString delimiter = delimiterOfSeparatorType(separatorType);
    if (!delimiter.isEmpty())
        setDelimiter(delimiter);
}

qint64 ZRNCSVParser::separatorType() const
{
    for (qint64 type = 0; type <= 2; ++type) {
        if (m_delimiter == delimiterOfSeparatorType(type))
            return type;
    }
    return NotFound;
}

void ZRNCSVParser::setChunkSize(qsizetype chunkSize)
{
    m_chunkSize = std::max<qsizetype>(1, chunkSize);
}

void ZRNCSVParser::parse()
{
    if (m_hasStarted)
        return;
    if (m_input.isAtEnd() || m_state == State::Cancelled || !m_error.isNull())
        restart();
    m_input.start(m_fileEncoding, m_chunkSize);
    m_units.setText(m_input.text());

    m_hasStarted = true;
    const auto finished = qScopeGuard([this] { m_hasStarted = false; });
    if (m_delegate)
        m_delegate->parserDidStartDocument(*this, m_csvFile);
    runParseLoop();
    if (m_error.isNull())
        m_error = m_input.error();
    if (!m_delegate)
        return;
    if (m_error.isNull())
        m_delegate->parserDidEndDocument(*this, m_csvFile);
    else
        m_delegate->parserDidFailWithError(*this, m_error);
}

void ZRNCSVParser::cancelParsing()
{
    m_state = State::Cancelled;
    m_error = Error(errorDomain(), Cancelled);
}

void ZRNCSVParser::restart()
{
    m_error = Error();
    m_input.setStream(m_reopen ? m_reopen() : nullptr);
    m_chunkSize = DefaultChunkSize;
    resetWalk();
}

void ZRNCSVParser::resetWalk()
{
    m_position = 0;
    m_state = State::LineStart;
    m_balancedQuotes = true;
    m_balancedEscapes = true;
    m_previousIsLineBreak = false;
    m_fieldStart = 0;
    m_fieldQuotes = 0;
    m_currentLine = 0;
    m_textLine = 1;
    m_unclosedQuoteLine = NotFound;
}

void ZRNCSVParser::runParseLoop()
{
    for (;;) {
        walkText();
        if (m_state == State::Cancelled)
            return;
        if (m_input.isAtEnd() || m_input.bytesDecoded() >= m_byteLimit)
            break;
        // The open field is still needed, whatever came before it is not.
        const qsizetype keepFrom = m_state == State::InField ? m_fieldStart : m_position;
        const qsizetype dropped = m_input.readChunk(keepFrom, m_chunkSize);
        m_position -= dropped;
        m_fieldStart -= dropped;
        m_units.setText(m_input.text());
    }
    const qsizetype end = m_input.text().size();
    if (m_state == State::InField && !m_balancedQuotes && m_input.error().isNull())
        m_unclosedQuoteLine = m_quoteLine;
    if (m_state == State::InField) {
        finishCurrentField(end);
    } else if (m_state == State::BetweenFields) {
        // Only a delimiter leaves a line between fields: the empty field after it.
        beginCurrentField(end);
        finishCurrentField(end);
    }
    if (m_state == State::BetweenFields)
        finishCurrentLine();
}

inline const ZRNPlainTextScanner *ZRNCSVParser::plainText() const
{
    if (m_state == State::InField && m_balancedEscapes)
        return m_balancedQuotes ? &m_unquotedText : &m_quotedText;
    return m_state == State::CommentLine ? &m_commentText : nullptr;
}

inline qsizetype ZRNCSVParser::skipPlainText(const ZRNPlainTextScanner &plain, const char16_t *data,
                                             qsizetype position, qsizetype size, bool isFinal)
{
    qsizetype end = plain.runEnd(data, position, size);
    // Characters beyond ASCII that are units of their own, as the accented letters of names and
    // places, are plain text too.
    while (end < size && data[end] >= 0x80 && data[end] != m_delimiterCharacter &&
           ZRNTextUnits::isOrdinary(data[end]))
        end = plain.runEnd(data, end + 1, size);
    // The last plain character may begin one unit with what follows it: leave it to the walk.
    if (end > position && (end == size ? !isFinal : data[end] >= 0x80))
        --end;
    // No line break is plain.
    if (end > position)
        m_previousIsLineBreak = false;
    return end;
}

// Only the first character of a unit decides; a line-break character right after another
// counts as an ordinary character.
inline void ZRNCSVParser::processUnit(QStringView text, qsizetype start, qsizetype end)
{
    const char16_t c = text[start].unicode();
    const bool isLineBreakCharacter = ZRNCSVFieldText::isLineBreak(c);
    const bool isLineBreak = isLineBreakCharacter && !m_previousIsLineBreak;
    m_previousIsLineBreak = isLineBreakCharacter;
    m_textLine += isLineBreakCharacter;

    if (m_state == State::LineStart) {
        if (c == ZRNCSVFieldText::CommentMarker && end - start == 1) {
            m_state = State::CommentLine;
            return;
        }
        beginCurrentLine();
    }
    switch (m_state) {
    case State::BetweenFields:
        processBetweenFields(c, isLineBreak, start);
        break;
    case State::InField:
        processInField(c, isLineBreak, start);
        break;
    case State::CommentLine:
        if (isLineBreak && isBalanced())
            m_state = State::LineStart;
        break;
    default:
        break;
    }
    if (m_state == State::InField)
        m_fieldQuotes +=
            end - start == 1 ? c == Quote : text.sliced(start, end - start).count(Quote);
}

inline void ZRNCSVParser::processBetweenFields(char16_t c, bool isLineBreak, qsizetype start)
{
    if (c == Quote) {
        beginCurrentField(start);
        openQuotes();
    } else if (c == m_delimiterCharacter) {
        beginCurrentField(start);
        finishCurrentField(start);
    } else if (c == m_escapeCharacter) {
        beginCurrentField(start);
        m_balancedEscapes = false;
    } else if (isLineBreak) {
        if (isBalanced()) {
            // The empty field after a delimiter at the end of the line, or the only field of a
            // blank line.
            beginCurrentField(start);
            finishCurrentField(start);
            finishCurrentLine();
        }
    } else {
        beginCurrentField(start);
    }
}

inline void ZRNCSVParser::processInField(char16_t c, bool isLineBreak, qsizetype start)
{
    if (c == Quote) {
        if (!m_balancedEscapes)
            m_balancedEscapes = true;
        else if (m_balancedQuotes)
            openQuotes();
        else
            m_balancedQuotes = true;
    } else if (c == m_delimiterCharacter) {
        if (!m_balancedEscapes)
            m_balancedEscapes = true;
        else if (m_balancedQuotes)
            finishCurrentField(start);
    } else if (c == m_escapeCharacter) {
        m_balancedEscapes = !m_balancedEscapes;
    } else if (isLineBreak) {
        // Inside quotation marks or after a backslash the line break is field text, and the
        // escape stays pending.
        if (isBalanced()) {
            finishCurrentField(start);
            finishCurrentLine();
        }
    } else {
        m_balancedEscapes = true;
    }
}

// Walks every unit whose end is known: all of them once the input is at its end.
void ZRNCSVParser::walkText()
{
    const QStringView text = m_input.text();
    const char16_t *data = text.utf16();
    const qsizetype size = text.size();
    const bool isFinal = m_input.isAtEnd();
    qsizetype position = m_position;
    while (position < size && m_state != State::Cancelled) {
        if (const ZRNPlainTextScanner *plain = plainText()) {
            position = skipPlainText(*plain, data, position, size, isFinal);
            if (position == size)
                break;
        }
        qsizetype end = position + 1;
        // An ASCII character followed by one is a unit of its own, but for CR LF.
        if (end == size || (data[position] | data[end]) >= 0x80 || data[position] == u'\r') {
            end = m_units.unitEnd(position, isFinal);
            if (end == ZRNTextUnits::NeedMoreText)
                break;
            processUnit(text, position, end);
        } else if (!processCommonAsciiUnit(data[position], position)) {
            processUnit(text, position, end);
        }
        position = end;
    }
    m_position = position;
}

// The two steps of nearly every field, without the general dispatch of processUnit: an
// ordinary character that begins a field, and the delimiter that ends one.
inline bool ZRNCSVParser::processCommonAsciiUnit(char16_t c, qsizetype start)
{
    if (m_state == State::BetweenFields && m_unquotedText.isPlain(c)) {
        m_previousIsLineBreak = false;
        beginCurrentField(start);
        return true;
    }
    if (m_state == State::InField && c == m_delimiterCharacter && isBalanced()) {
        m_previousIsLineBreak = false;
        finishCurrentField(start);
        return true;
    }
    return false;
}

void ZRNCSVParser::openQuotes()
{
    m_balancedQuotes = false;
    m_quoteLine = m_textLine;
}

void ZRNCSVParser::beginCurrentLine()
{
    ++m_currentLine;
    m_lineFields = 0;
    if (m_delegate)
        m_delegate->parserDidStartLine(*this, m_currentLine);
    if (m_state != State::Cancelled)
        m_state = State::BetweenFields;
}

void ZRNCSVParser::finishCurrentLine()
{
    if (m_state == State::Cancelled)
        return;
    if (m_delegate)
        m_delegate->parserDidEndLine(*this, m_currentLine);
    if (m_state != State::Cancelled)
        m_state = State::LineStart;
}

void ZRNCSVParser::beginCurrentField(qsizetype start)
{
    m_fieldStart = start;
    m_fieldQuotes = 0;
    m_balancedQuotes = true;
    m_balancedEscapes = true;
    m_state = State::InField;
}

void ZRNCSVParser::finishCurrentField(qsizetype end)
{
    if (m_state == State::Cancelled)
        return;
    const QStringView raw = m_input.text().sliced(m_fieldStart, end - m_fieldStart);
    const QStringView field =
        ZRNCSVFieldText::finish(raw, m_trimSpaces, m_fieldQuotes, m_fieldScratch);
    if (m_lineFields == 0)
        m_blankLinesBefore = leadingLineBreaks(raw);
    m_isBlankLine = m_lineFields++ == 0 && field.isEmpty() && m_fieldQuotes == 0;
    if (m_delegate)
        m_delegate->parserDidReadField(*this, field);
    if (m_state != State::Cancelled)
        m_state = State::BetweenFields;
}

qint64 ZRNCSVParser::autodetectSeparatorForCSVFile(const QString &path, StringEncoding encoding)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return NotFound;
    ZRNCSVInput input;
    input.setStream(std::move(file));
    input.start(encoding, SeparatorSampleSize);
    if (!input.isAtEnd())
        input.readChunk(0, SeparatorSampleSize);
    return ZRNSeparatorDetector::detect(input.text(), input.isAtEnd() && input.error().isNull());
}
