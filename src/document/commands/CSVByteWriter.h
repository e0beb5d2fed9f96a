#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <cstring>

// Appends bytes to a QByteArray through a plain pointer. Copying a million rows makes tens of
// millions of small appends (a cell, a tab, a tag), each of which costs QByteArray::append
// several times more than the copy itself. The array gets its final size when the writer ends.
class CSVByteWriter
{
public:
    explicit CSVByteWriter(QByteArray &bytes) : m_bytes(bytes), m_size(bytes.size()) {}
    CSVByteWriter(const CSVByteWriter &) = delete;
    CSVByteWriter &operator=(const CSVByteWriter &) = delete;
    ~CSVByteWriter() { m_bytes.resize(m_size); }

    void append(char byte)
    {
        reserve(1);
        m_data[m_size++] = byte;
    }
    void append(QByteArrayView bytes)
    {
        reserve(bytes.size());
        if (!bytes.isEmpty())
            std::memcpy(m_data + m_size, bytes.data(), size_t(bytes.size()));
        m_size += bytes.size();
    }

private:
    void reserve(qsizetype count)
    {
        if (m_size + count <= m_bytes.size())
            return;
        m_bytes.resize(std::max(m_size + count, 2 * m_bytes.size() + 4096));
        m_data = m_bytes.data();
    }

    QByteArray &m_bytes;
    char *m_data = nullptr;
    qsizetype m_size;
};
