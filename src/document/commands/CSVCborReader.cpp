#include "CSVCborReader.h"

#include <QStringDecoder>

#include <bit>

namespace {

constexpr uchar s_break = 0xFF;
// Deeper nesting in what another program put on the clipboard is taken as a fault rather than
// followed down the stack.
constexpr int s_maxDepth = 256;

} // namespace

bool CSVCborReader::hasNext() const
{
    if (m_containers.empty())
        return false;
    const Container &container = m_containers.back();
    return container.indefinite ? m_at < m_data.size() && !atBreak() : container.remaining > 0;
}

bool CSVCborReader::leaveContainer()
{
    if (m_containers.empty())
        return false;
    const Container &container = m_containers.back();
    if (container.indefinite ? !atBreak() : container.remaining > 0)
        return false;
    if (container.indefinite)
        ++m_at;
    m_containers.pop_back();
    return true;
}

bool CSVCborReader::readString(QString &text)
{
    QByteArrayView bytes;
    if (!readUtf8(bytes))
        return false;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool CSVCborReader::readUtf8(QByteArrayView &bytes)
{
    Head head;
    if (!startItem(head) || head.type != Text)
        return false;
    if (!head.indefinite)
        return takeBytes(head.argument, bytes);
    m_chunks.resize(0);
    if (!readChunks(head, &m_chunks))
        return false;
    bytes = m_chunks;
    return true;
}

bool CSVCborReader::readNumber(QVariant &number)
{
    Head head;
    if (!startItem(head))
        return false;
    if (head.type == Unsigned)
        number = quint64(head.argument);
    else if (head.type == Simple && head.info == 27)
        number = std::bit_cast<double>(head.argument);
    else if (head.type == Simple && head.info == 26)
        number = double(std::bit_cast<float>(quint32(head.argument)));
    else
        return false;
    return true;
}

bool CSVCborReader::skip()
{
    Head head;
    return startItem(head) && skipItem(head, 0);
}

// Counts the item in the container it stands in, then reads its head.
bool CSVCborReader::startItem(Head &head)
{
    if (!m_containers.empty() && !m_containers.back().indefinite) {
        if (m_containers.back().remaining == 0)
            return false;
        --m_containers.back().remaining;
    }
    return readHead(head);
}

bool CSVCborReader::readHead(Head &head)
{
    if (m_at >= m_data.size())
        return false;
    const auto first = uchar(m_data[m_at++]);
    head.type = first >> 5;
    head.info = first & 0x1F;
    head.argument = head.info;
    head.indefinite = false;
    if (head.info < 24)
        return true;
    if (head.info <= 27) {
        const qsizetype size = qsizetype(1) << (head.info - 24);
        if (m_data.size() - m_at < size)
            return false;
        head.argument = 0;
        for (qsizetype i = 0; i < size; ++i)
            head.argument = head.argument << 8 | uchar(m_data[m_at++]);
        return true;
    }
    // Strings and containers may be of indefinite length; the break code is no item.
    head.indefinite = head.info == 31 && head.type >= Bytes && head.type <= Map;
    return head.indefinite;
}

bool CSVCborReader::atBreak() const
{
    return m_at < m_data.size() && uchar(m_data[m_at]) == s_break;
}

bool CSVCborReader::takeBytes(quint64 count, QByteArrayView &bytes)
{
    if (count > quint64(m_data.size() - m_at))
        return false;
    bytes = m_data.sliced(m_at, qsizetype(count));
    m_at += qsizetype(count);
    return true;
}

bool CSVCborReader::enterContainer(MajorType type)
{
    Head head;
    if (!startItem(head) || head.type != type)
        return false;
    // Every item takes a byte at least: a longer count is a fault.
    if (!head.indefinite && head.argument > quint64(m_data.size() - m_at))
        return false;
    m_containers.push_back({head.argument * (type == Map ? 2 : 1), head.indefinite});
    return true;
}

// The chunks of a string of indefinite length, each a string of the same type, up to the break.
bool CSVCborReader::readChunks(const Head &head, QByteArray *bytes)
{
    while (!atBreak()) {
        Head chunk;
        QByteArrayView piece;
        if (!readHead(chunk) || chunk.type != head.type || chunk.indefinite ||
            !takeBytes(chunk.argument, piece))
            return false;
        if (bytes)
            bytes->append(piece);
    }
    ++m_at;
    return true;
}

bool CSVCborReader::skipItem(const Head &head, int depth)
{
    if (depth > s_maxDepth)
        return false;
    QByteArrayView bytes;
    switch (head.type) {
    case Bytes:
    case Text:
        return head.indefinite ? readChunks(head, nullptr) : takeBytes(head.argument, bytes);
    case Array:
    case Map: {
        if (!head.indefinite && head.argument > quint64(m_data.size() - m_at))
            return false;
        const quint64 count = head.argument * (head.type == Map ? 2 : 1);
        for (quint64 i = 0; head.indefinite ? !atBreak() : i < count; ++i) {
            Head item;
            if (!readHead(item) || !skipItem(item, depth + 1))
                return false;
        }
        m_at += head.indefinite ? 1 : 0;
        return true;
    }
    case Tag: {
        Head item;
        return readHead(item) && skipItem(item, depth + 1);
    }
    default: // integers, simple values and floats are all head
        return true;
    }
}
