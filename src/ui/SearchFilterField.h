#pragma once

#include "kit/ZRNDeferredCall.h"

#include <QObject>

class CSVDocument;
class QLineEdit;
class QMenu;

// The search field in a document window's toolbar: what is typed filters the rows
// (CSVSearchFilter) once per pass of the event loop, so keys typed during a pass over a large
// table count as one change; the magnifier at its left opens the column menu; a command that
// clears the filter empties it.
//
// The column menu is made when it opens, and lists a bounded number of columns: a file of a
// million columns would otherwise spend minutes adding menu items before its window shows.
class SearchFilterField : public QObject
{
    Q_OBJECT

public:
    SearchFilterField(QLineEdit *field, CSVDocument &document);

    QMenu *menu() const { return m_menu; }

private:
    void applyText();
    void rebuildMenu();

    QLineEdit *m_field;
    CSVDocument &m_document;
    QMenu *m_menu;
    ZRNDeferredCall m_apply;
    bool m_isMenuStale = true;
};
