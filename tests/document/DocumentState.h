#pragma once

#include "document/CSVDocument.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <string>

// Whole-state views of a document for assertions: one line a test can compare at once.
namespace DocumentState {

// "a,b|c,d": the rows, cells joined by commas and rows by bars.
QString rows(const CSVRowList &rows);
QString visibleRows(CSVDocument &document);
// "0:1 2:3": the columns in display order as identifier:title.
QString columns(const CSVDocument &document);
// The rows, the filtered list if any, and the columns as "identifier:title" in display order.
std::string table(const CSVDocument &document);
// table(), then the names of the undo and redo steps.
std::string withSteps(const CSVDocument &document);
// table(), then the selected rows and columns, and the names of the undo and redo steps.
std::string full(const CSVDocument &document);

CSVRowList makeRows(const QStringList &lines);

// Records the document's signals to the window, in order ("reload selection updateUI").
class SignalLog : public QObject
{
public:
    explicit SignalLog(CSVDocument &document);
    std::string take();

private:
    QStringList m_entries;
};

} // namespace DocumentState
