#include "DocumentState.h"

namespace DocumentState {

namespace {

QString indexes(const IndexSet &set)
{
    QStringList list;
    for (qint64 index : set)
        list << QString::number(index);
    return list.join(u' ');
}

std::string steps(const CSVDocument &document)
{
    const UndoManager &undo = document.undoManager();
    return QStringLiteral(" undo=%1 redo=%2")
        .arg(undo.undoActionName(), undo.redoActionName())
        .toStdString();
}

} // namespace

QString rows(const CSVRowList &rows)
{
    QStringList lines;
    for (const CSVRowPtr &row : rows)
        lines << row->cells().join(u',');
    return lines.join(u'|');
}

QString visibleRows(CSVDocument &document)
{
    return rows(document.displayRowArrays());
}

QString columns(const CSVDocument &document)
{
    QStringList columns;
    for (const CSVTableColumn &column : document.tableColumns().columns())
        columns << column.identifier() + u':' + column.title();
    return columns.join(u' ');
}

std::string table(const CSVDocument &document)
{
    QString text = rows(document.rowArrays());
    if (document.filteredRowArrays())
        text += QStringLiteral(" filtered=") + rows(*document.filteredRowArrays());
    return (text + QStringLiteral(" cols=") + columns(document)).toStdString();
}

std::string withSteps(const CSVDocument &document)
{
    return table(document) + steps(document);
}

std::string full(const CSVDocument &document)
{
    return table(document) +
           QStringLiteral(" sel=%1/%2")
               .arg(indexes(document.selectedRowIndexes()),
                    indexes(document.selectedColumnIndexes()))
               .toStdString() +
           steps(document);
}

CSVRowList makeRows(const QStringList &lines)
{
    CSVRowList list;
    for (const QString &line : lines)
        list.push_back(makeCSVRow(line.split(u',')));
    return list;
}

SignalLog::SignalLog(CSVDocument &document)
{
    const auto note = [this](const QString &entry) {
        return [this, entry] { m_entries << entry; };
    };
    connect(&document, &CSVDocument::reloadData, this, note(QStringLiteral("reload")));
    connect(&document, &CSVDocument::rowsInserted, this, [this](qint64 first, qint64 count) {
        m_entries << QStringLiteral("inserted%1+%2").arg(first).arg(count);
    });
    connect(&document, &CSVDocument::rowsRemoved, this, [this](qint64 first, qint64 count) {
        m_entries << QStringLiteral("removed%1+%2").arg(first).arg(count);
    });
    connect(&document, &CSVDocument::cellChanged, this, note(QStringLiteral("cell")));
    connect(&document, &CSVDocument::columnsChanged, this, note(QStringLiteral("columns")));
    connect(&document, &CSVDocument::selectionChanged, this, note(QStringLiteral("selection")));
    connect(&document, &CSVDocument::uiUpdateRequested, this, note(QStringLiteral("updateUI")));
    connect(&document, &CSVDocument::searchMenuRebuildRequested, this,
            note(QStringLiteral("menu")));
    connect(&document, &CSVDocument::searchFieldResetRequested, this,
            note(QStringLiteral("resetSearch")));
    connect(&document, &CSVDocument::scrollRowToVisible, this,
            [this](qint64 row) { m_entries << QStringLiteral("scrollRow%1").arg(row); });
    connect(&document, &CSVDocument::scrollColumnToVisible, this,
            [this](qint64 column) { m_entries << QStringLiteral("scrollColumn%1").arg(column); });
}

std::string SignalLog::take()
{
    const QString text = m_entries.join(u' ');
    m_entries.clear();
    return text.toStdString();
}

} // namespace DocumentState
