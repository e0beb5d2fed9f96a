#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <string>
#include <vector>

class CSVRowBuilder;
class CSVRowSlabs;

// One row of a table: an ordered list of cell texts. Rows are reference objects, shared as
// CSVRowPtr: the same row may stand in the document's rows and in a filtered list at once, and
// rows are found by identity. Two rows with equal cells are still two rows; ask hasSameCells to
// compare contents.
//
// A million rows must fit in a few times the size of their file, so the cells live in one
// allocation per row: the cell count, the end offset of every cell and the text, one byte per
// character while every character fits in Latin-1, else UTF-16. A QString is made only when a
// cell is read. Rows read from a file live in slabs (CSVRowSlabs) until they are changed.
class CSVRow
{
public:
    CSVRow() = default;
    explicit CSVRow(const QStringList &cells);
    // The row of the builder's fields, its storage in slabs when given.
    explicit CSVRow(const CSVRowBuilder &builder, CSVRowSlabs *slabs = nullptr);
    CSVRow(const CSVRow &other);
    CSVRow &operator=(const CSVRow &other);
    CSVRow(CSVRow &&other) noexcept : m_block(std::exchange(other.m_block, nullptr)) {}
    CSVRow &operator=(CSVRow &&other) noexcept
    {
        std::swap(m_block, other.m_block);
        return *this;
    }
    ~CSVRow();

    qsizetype count() const;
    // The cell at index, which must be below count().
    QString at(qsizetype index) const;
    // The cell at index without a copy, valid until the row changes: for passes over a million
    // cells that only look.
    QAnyStringView view(qsizetype index) const;
    // The cells without making a QString each, for reading a whole table quickly: views of the
    // row's own text when the row is stored as UTF-16, else of the text widened into scratch
    // (which only grows). Valid until the row changes or scratch is used again.
    class TextView
    {
    public:
        qsizetype count() const { return m_count; }
        QStringView at(qsizetype index) const
        {
            const quint32 begin = index == 0 ? 0 : m_ends[index - 1];
            return QStringView(m_text + begin, qsizetype(m_ends[index] - begin));
        }

    private:
        friend class CSVRow;
        const char16_t *m_text = nullptr;
        const quint32 *m_ends = nullptr;
        qsizetype m_count = 0;
    };
    TextView textView(std::u16string &scratch) const;
    // The cell at index, or the empty text past the end, as UTF-16: a view of the row's own text
    // when the row is stored as UTF-16, else of the cell widened into scratch. Valid until the
    // row changes or scratch is used again.
    QStringView utf16At(qsizetype index, std::u16string &scratch) const;
    // The cells' text back to back as stored (Latin-1 or UTF-16) and the end of each cell in
    // it, without a copy: for passes that look at every character of a million rows. Valid
    // until the row changes.
    struct Storage
    {
        QAnyStringView text;
        const quint32 *ends = nullptr;
        qsizetype count = 0;
    };
    Storage storage() const;
    QStringList cells() const;

    void set(qsizetype index, QStringView text);
    void append(QStringView text) { splice(count(), 0, &text, 1); }
    void insert(qsizetype index, QStringView text) { splice(index, 0, &text, 1); }
    void remove(qsizetype index) { splice(index, 1, nullptr, 0); }
    // Appends empty cells until the row has count cells; a longer row is left alone.
    void padTo(qsizetype count);

    bool hasSameCells(const CSVRow &other) const;
    // Equal for rows with the same cells, however they are stored.
    size_t contentHash() const;

    // The computed row keys of the filter, sorting and duplicate search: "allValues" (the cells
    // joined with one blank) and "objectAtIndex" followed by a position (the cell there, or the
    // empty string past the end). Any other key answers the empty string.
    QString valueForKey(QStringView key) const;
    QString allValues() const;
    QString objectAtIndex(qsizetype index) const;

private:
    void splice(qsizetype index, qsizetype removeCount, const QStringView *inserted,
                qsizetype insertCount);

    quint32 *m_block = nullptr;
};

using CSVRowPtr = std::shared_ptr<CSVRow>;
using CSVRowList = std::vector<CSVRowPtr>;

CSVRowPtr makeCSVRow(const QStringList &cells);
