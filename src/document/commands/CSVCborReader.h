#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <vector>

// Reads CBOR straight from its bytes, for the clipboard's private flavours: a million rows of
// text strings, which QCborStreamReader reads at several times the cost. It reads what the
// flavours are made of (arrays, maps, text strings, numbers) in definite or indefinite length
// and skips anything else; every read checks the data's end, and any fault makes the read
// answer false.
class CSVCborReader
{
public:
    // The kinds of items, in the top three bits of an item's first byte.
    enum MajorType : quint8 {
        Unsigned = 0,
        Negative = 1,
        Bytes = 2,
        Text = 3,
        Array = 4,
        Map = 5,
        Tag = 6,
        Simple = 7
    };

    explicit CSVCborReader(QByteArrayView data) : m_data(data) {}

    // Enters the array or map that comes next.
    bool enterArray() { return enterContainer(Array); }
    bool enterMap() { return enterContainer(Map); }
    // Whether the container entered last has another item (for a map, a key or a value).
    bool hasNext() const;
    // Leaves the container entered last, once all its items are read.
    bool leaveContainer();

    // The text string that comes next. Invalid UTF-8 is a fault; a byte order mark at the start
    // is text like any other.
    bool readString(QString &text);
    // The bytes of the text string that comes next, unchecked, valid until the next read.
    bool readUtf8(QByteArrayView &bytes);
    // The number that comes next: a double or float (as a double) or an unsigned integer.
    bool readNumber(QVariant &number);
    // Passes over the item that comes next, whatever it holds.
    bool skip();

private:
    struct Head
    {
        quint8 type = 0;
        quint8 info = 0; // the low five bits of the first byte
        quint64 argument = 0;
        bool indefinite = false;
    };
    struct Container
    {
        quint64 remaining = 0;
        bool indefinite = false;
    };

    bool startItem(Head &head);
    bool readHead(Head &head);
    bool atBreak() const;
    bool takeBytes(quint64 count, QByteArrayView &bytes);
    bool enterContainer(MajorType type);
    bool readChunks(const Head &head, QByteArray *bytes);
    bool skipItem(const Head &head, int depth);

    QByteArrayView m_data;
    qsizetype m_at = 0;
    std::vector<Container> m_containers;
    QByteArray m_chunks;
};
