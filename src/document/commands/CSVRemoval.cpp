#include "CSVRemoval.h"

#include "CSVColumnCommands.h"

#include "document/CSVDocument.h"

#include "foundation/DefaultsKeys.h"
#include "foundation/UserDefaults.h"

namespace {

QString suppressionKey(CSVRemoval::Kind kind)
{
    return QString::fromLatin1(kind == CSVRemoval::Kind::Rows
                                   ? DefaultsKeys::RowDeleteAlertSuppress
                                   : DefaultsKeys::ColumnDeleteAlertSuppress);
}

} // namespace

CSVRemoval::CSVRemoval(CSVDocument &document, Kind kind)
    : m_document(document)
    , m_kind(kind)
    , m_indexes(kind == Kind::Rows ? document.selectedRowIndexes()
                                   : document.selectedColumnIndexes())
{}

bool CSVRemoval::isQuestionSuppressed() const
{
    return UserDefaults::standard().boolForKey(suppressionKey(m_kind));
}

void CSVRemoval::answer(bool confirmed, bool suppressFromNowOn)
{
    if (m_kind == Kind::Rows)
        m_document.resetFindResults();
    if (confirmed && !isEmpty()) {
        UndoGroup group(m_document.undoManager());
        if (m_kind == Kind::Rows)
            removeRows();
        else
            removeColumns();
        m_document.undoManager().setActionName(
            QString::fromLatin1(m_kind == Kind::Rows ? "LSUDRemoveRow" : "LSUDRemoveColumn"));
    }
    if (confirmed && suppressFromNowOn)
        UserDefaults::standard().setObject(suppressionKey(m_kind), true);
    m_document.updateUI();
}

void CSVRemoval::removeRows()
{
    const CSVRowList &visible = m_document.displayRowArrays();
    CSVRowList rows;
    rows.reserve(size_t(m_indexes.count()));
    for (qint64 index : m_indexes) {
        if (index < qint64(visible.size()))
            rows.push_back(visible[size_t(index)]);
    }
    m_document.removeCSVRows(rows);
}

void CSVRemoval::removeColumns()
{
    CSVColumnCommands::removeColumns(m_document, m_indexes);
}
