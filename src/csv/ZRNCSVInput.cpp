#include "ZRNCSVInput.h"

#include "ZRNCSVParser.h"

#include "foundation/LocalizedStrings.h"
#include "foundation/NotFound.h"

#include <QFileDevice>
#include <QIODevice>

#include <algorithm>

namespace {

struct ByteOrderMark
{
    StringEncoding encoding;
    qsizetype length;
};

// Only a mark at the very start counts; UTF-32 little-endian is tested before UTF-16
// little-endian, whose mark begins the same way.
ByteOrderMark byteOrderMark(QByteArrayView bytes, StringEncoding encoding)
{
    if (bytes.startsWith(QByteArrayView("\xFF\xFE\x00\x00", 4)))
        return {StringEncodings::UTF32LittleEndian, 4};
    if (bytes.startsWith("\xFF\xFE"))
        return {StringEncodings::UTF16LittleEndian, 2};
    if (bytes.startsWith("\xFE\xFF"))
        return {StringEncodings::UTF16BigEndian, 2};
    if (bytes.startsWith(QByteArrayView("\x00\x00\xFE\xFF", 4)))
        return {StringEncodings::UTF32BigEndian, 4};
    return {encoding, 0};
}

} // namespace

ZRNCSVInput::~ZRNCSVInput() = default;

ZRNCSVInput::ZRNCSVInput() : m_detectedLineEnd(NotFound) {}

void ZRNCSVInput::setStream(std::unique_ptr<QIODevice> stream)
{
    m_stream = std::move(stream);
    m_text.resize(0);
    m_isStreamAtEnd = false;
    m_isAtEnd = false;
    m_hasDecoded = false;
    m_droppedByteOrderMark = false;
    m_encodingErrorOccurred = false;
    m_detectedLineEnd = NotFound;
    m_bytesDecoded = 0;
    m_error = Error();
}

void ZRNCSVInput::start(StringEncoding encoding, qsizetype chunkSize)
{
    m_encodingUsed = encoding;
    m_converter = std::make_unique<TextConverter>(encoding);
    if (encoding != StringEncodings::UTF16 && encoding != StringEncodings::UTF32)
        return;
    // Four bytes decide every mark; a chunk always holds them unless the stream is shorter.
    m_chunk.resize(0);
    while (m_chunk.size() < 4 && !m_isStreamAtEnd && m_error.isNull())
        appendBytes(chunkSize);
    const ByteOrderMark mark = byteOrderMark(m_chunk, m_encodingUsed);
    if (mark.length > 0) {
        m_encodingUsed = mark.encoding;
        m_converter = std::make_unique<TextConverter>(mark.encoding);
        m_droppedByteOrderMark = true;
        m_bytesDecoded = mark.length;
    }
    decode(QByteArrayView(m_chunk).sliced(std::min(mark.length, m_chunk.size())));
}

qsizetype ZRNCSVInput::readChunk(qsizetype keepFrom, qsizetype chunkSize)
{
    const qsizetype dropped = dropFront(keepFrom);
    m_chunk.resize(0);
    appendBytes(chunkSize);
    decode(m_chunk);
    return dropped;
}

qsizetype ZRNCSVInput::dropFront(qsizetype keepFrom)
{
    // Moving the text kept costs as much as the text dropped at most, so the cost of moving
    // stays linear in the length of the stream even while one long field is kept for many
    // chunks.
    if (keepFrom <= 0 || keepFrom < m_text.size() - keepFrom)
        return 0;
    QChar *data = m_text.data();
    std::copy(data + keepFrom, data + m_text.size(), data);
    m_text.resize(m_text.size() - keepFrom);
    return keepFrom;
}

void ZRNCSVInput::appendBytes(qsizetype count)
{
    if (!m_stream || !m_stream->isReadable()) {
        failReading();
        return;
    }
    const qsizetype start = m_chunk.size();
    m_chunk.resize(start + count);
    const qint64 read = m_stream->read(m_chunk.data() + start, count);
    m_chunk.resize(start + std::max<qint64>(read, 0));
    if (read < 0)
        failReading();
    else if (read == 0 || (!m_stream->isSequential() && m_stream->atEnd()))
        m_isStreamAtEnd = true; // a pipe may say it is at its end while it waits for more
}

void ZRNCSVInput::decode(QByteArrayView bytes)
{
    if (!m_error.isNull()) {
        m_isAtEnd = true;
        return;
    }
    const qsizetype start = m_text.size();
    qsizetype decodedBytes = 0;
    const auto status = m_converter->decode(bytes, m_text, m_isStreamAtEnd, &decodedBytes);
    m_bytesDecoded += decodedBytes;
    if (!m_hasDecoded && m_text.size() > start) {
        m_hasDecoded = true;
        // A UTF-8 or explicit-byte-order mark is no text: a header cell must not begin with it.
        if (!m_droppedByteOrderMark && m_text[start] == QChar(0xFEFF))
            m_text.remove(start, 1);
    }
    detectLineEnd(QStringView(m_text).sliced(start));
    if (status != TextConverter::DecodeStatus::Ok)
        failDecoding();
    m_isAtEnd = m_isAtEnd || m_isStreamAtEnd;
}

// The first line break decides between CR and LF, and a CR followed anywhere later in the same
// piece by an LF counts as CR LF.
void ZRNCSVInput::detectLineEnd(QStringView piece)
{
    if (m_detectedLineEnd != NotFound)
        return;
    qint64 seen = NotFound;
    for (const QChar c : piece) {
        if (c == u'\r' && seen == NotFound) {
            seen = 1;
        } else if (c == u'\n') {
            seen = seen == NotFound ? 2 : 0;
            break;
        }
    }
    m_detectedLineEnd = seen;
}

void ZRNCSVInput::failReading()
{
    std::shared_ptr<const Error> underlying;
    if (m_stream) {
        const auto *file = qobject_cast<const QFileDevice *>(m_stream.get());
        underlying =
            std::make_shared<const Error>(QStringLiteral("org.qt-project.QIODevice"),
                                          file ? file->error() : 0, m_stream->errorString());
    }
    m_error = Error(ZRNCSVParser::errorDomain(), ZRNCSVParser::InputError,
                    localized("LSCSVParserUnableToReadStream"), std::move(underlying));
    m_isAtEnd = true;
}

void ZRNCSVInput::failDecoding()
{
    m_encodingErrorOccurred = true;
    m_error = Error(ZRNCSVParser::errorDomain(), ZRNCSVParser::InputError,
                    localized("LSCSVParserUnableToInterpretChunk"));
    m_isAtEnd = true;
}
