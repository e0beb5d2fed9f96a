#include "RowSelectionGesture.h"

namespace {

IndexSet merged(const IndexSet &committed, const IndexSet &current,
                QItemSelectionModel::SelectionFlags command)
{
    IndexSet result = committed;
    if (command & QItemSelectionModel::Select) {
        result.add(current);
    } else if (command & QItemSelectionModel::Deselect) {
        for (const IndexSet::Range &range : current.ranges())
            result.removeRange(range.location, range.length);
    } else if (command & QItemSelectionModel::Toggle) {
        for (qint64 index : current) {
            if (committed.contains(index))
                result.remove(index);
            else
                result.add(index);
        }
    }
    return result;
}

} // namespace

void RowSelectionGesture::restart(const IndexSet &committed)
{
    m_committed = committed;
    m_current.clear();
    m_currentCommand = QItemSelectionModel::NoUpdate;
}

IndexSet RowSelectionGesture::apply(const IndexSet &selected, const IndexSet &rows,
                                    QItemSelectionModel::SelectionFlags command)
{
    if (command & QItemSelectionModel::Clear)
        restart({});
    else if (!(command & QItemSelectionModel::Current))
        restart(selected);
    if (command & (QItemSelectionModel::Select | QItemSelectionModel::Deselect |
                   QItemSelectionModel::Toggle)) {
        m_current = rows;
        m_currentCommand = command;
    }
    return merged(m_committed, m_current, m_currentCommand);
}
