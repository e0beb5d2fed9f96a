#include "CSVRowDisposal.h"

#include <QThreadPool>

#include <memory>

void CSVRowDisposal::dispose(CSVRowList rows)
{
    if (rows.size() < s_rowsFreedAtOnce)
        return;
    auto list = std::make_shared<CSVRowList>(std::move(rows));
    QThreadPool::globalInstance()->start([list = std::move(list)] { list->clear(); });
}
