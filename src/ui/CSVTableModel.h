#pragma once

#include "kit/ZRNDeferredCall.h"

#include <QAbstractTableModel>

class CSVDocument;

// The table view's data source: the document's visible rows under its columns, column index =
// display position. Edits go through the document's cell primitive, so each one is an undo step.
// The display text of a cell is what the table shows of it (TableCellText); the edit text is
// the whole cell.
//
// A large command can change the document a million times in one event (one reload per row
// removed); the model follows all of them at once when control returns to the event loop. Until
// then it keeps answering with the shape it last announced, so a view never sees counts that
// its signals did not tell it about.
class CSVTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Whether a cell is edited in a text area (long, or of several lines).
    static constexpr int NeedsTextAreaRole = Qt::UserRole;

    explicit CSVTableModel(CSVDocument &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    bool isSynchronizationPending() const { return m_synchronization.isPending(); }
    // Brings the model up to the document now: a reset when the number of rows or columns
    // changed, otherwise a change of every cell and header.
    void synchronize();

signals:
    // The model has caught up with the document; views put their selection back.
    void synchronized();

private:
    bool isInShape(const QModelIndex &index) const;

    CSVDocument &m_document;
    int m_rowCount = 0;
    int m_columnCount = 0;
    ZRNDeferredCall m_synchronization;
};
