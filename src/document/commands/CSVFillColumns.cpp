#include "CSVFillColumns.h"

#include "CSVConvertContent.h"

#include "document/CSVDocument.h"

#include <limits>

namespace CSVFillColumns {

Options open(const CSVDocument &document)
{
    Options options;
    options.insertsSeparator = document.commandChoices().fillInsertsSeparator;
    return options;
}

bool isSeparatorEnabled(Options::Mode numberMode)
{
    return numberMode != Options::Mode::Replace;
}

qint64 integerValue(QStringView text)
{
    qsizetype index = 0;
    while (index < text.size() && text[index].isSpace())
        ++index;
    bool negative = false;
    if (index < text.size() && (text[index] == u'-' || text[index] == u'+'))
        negative = text[index++] == u'-';
    constexpr qint64 s_limit = std::numeric_limits<qint64>::max();
    qint64 magnitude = 0;
    for (; index < text.size() && text[index] >= u'0' && text[index] <= u'9'; ++index) {
        const int digit = text[index].unicode() - u'0';
        magnitude = magnitude > (s_limit - digit) / 10 ? s_limit : magnitude * 10 + digit;
    }
    return negative ? -magnitude : magnitude;
}

namespace {

// What goes into every cell of one row: the start as typed in the first row, then the series.
class FillValue
{
public:
    explicit FillValue(const Options &options)
        : m_start(options.fillsText ? options.text : options.start)
        , m_counter(options.fillsText ? 0 : integerValue(options.start))
        , m_step(options.fillsText ? 0 : integerValue(options.increment))
    {}

    QString forRow(qsizetype row) const
    {
        if (row == 0 || m_step <= 0)
            return m_start;
        // Saturates rather than wraps: a series never turns negative by itself.
        qint64 value = 0;
        if (__builtin_mul_overflow(m_step, qint64(row), &value) ||
            __builtin_add_overflow(value, m_counter, &value))
            value = std::numeric_limits<qint64>::max();
        return QString::number(value);
    }

private:
    QString m_start;
    qint64 m_counter;
    qint64 m_step;
};

} // namespace

void close(CSVDocument &document, const Options &options, bool confirmed)
{
    document.commandChoices().fillInsertsSeparator = options.insertsSeparator;
    std::vector<qint64> positions = CSVConvertContent::selectedColumnPositions(document);
    if (!confirmed || positions.empty())
        return;
    const Options::Mode mode = options.fillsText ? options.textMode : options.numberMode;
    const QString separator =
        !options.fillsText && options.insertsSeparator ? QStringLiteral(" ") : QString();
    const FillValue value(options);
    QString rowValue;
    qsizetype valueRow = -1;
    QString text;
    std::u16string scratch;
    const auto cellText = [&](const CSVRow &source, qsizetype row, qint64 position) {
        if (row != valueRow) {
            rowValue = value.forRow(row);
            valueRow = row;
        }
        const QStringView old = source.utf16At(position, scratch);
        text.truncate(0);
        if (mode == Options::Mode::Append)
            text.append(old).append(separator).append(rowValue);
        else if (mode == Options::Mode::Prepend)
            text.append(rowValue).append(separator).append(old);
        else
            text.append(rowValue);
        return QStringView(text);
    };
    UndoGroup group(document.undoManager());
    document.setStringValues(
        CSVCellBlock::computed(document.rowArrays(), std::move(positions), cellText));
    document.undoManager().setActionName(QStringLiteral("LSUDFillColumn"));
}

} // namespace CSVFillColumns
