#pragma once

#include "document/CSVRow.h"
#include "kit/ZRNDeferredCall.h"

#include <QAbstractTableModel>
#include <QTimer>

#include <vector>

class CSVDocument;

// The table view's data source: the document's visible rows under its columns, column index =
// display position. Edits go through the document's cell primitive, so each one is an undo step.
// The display text of a cell is what the table shows of it (TableCellText); the edit text is
// the whole cell.
//
// A large command can change the document a million times in one event (one reload per row
// removed); the model follows all of them at once when control returns to the event loop. Until
// then it keeps answering with the shape it last announced, so a view never sees counts that
// its signals did not tell it about. What the document told in that pass decides how: one block
// of rows inserted or removed, or texts changed in place, is told as such, so that the views
// keep their editor, current cell and scroll position; anything else is a reset.
//
// A view's row header keeps an entry per row and makes all of them at once when told of rows,
// which for ten million rows keeps the window from drawing for a while. So rows added at the end
// beyond a block of s_rowsPerPass (a large file opened, say) are told a block at a time, one
// block per pass of the event loop; until then the model shows the document's first rows. A
// block is told on a timer, so that the passes between them draw and take input. A reset tells
// the rows told before at once again, so that the views keep their place.
//
// Each cell's background is the colour the colouring rules give its text, asked as the cell is
// drawn, unless the user turned cell backgrounds off.
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

    static constexpr int s_rowsPerPass = 1'000'000;

    bool isSynchronizationPending() const { return m_synchronization.isPending(); }
    // Brings the model up to the document now, but for rows added at the end beyond a block,
    // which follow in later passes.
    void synchronize();

signals:
    // The document changed; the model will follow when control returns to the event loop.
    void changePending();
    // The model has caught up with the document; views put their selection back.
    void synchronized();

private:
    // The rows inserted or removed in the pass, as one block; Reset for anything else.
    struct PendingRows
    {
        enum Kind { None, Inserted, Removed, Reset };
        Kind kind = None;
        qint64 first = 0;
        qint64 count = 0;
    };

    // Cells whose texts changed in the pass, told one by one while they are few.
    struct ChangedCell
    {
        CSVRowPtr row;
        qint64 position; // -1: every cell of the row
    };
    static constexpr size_t s_cellsToldOneByOne = 16;

    bool isInShape(const QModelIndex &index) const;
    void schedule();
    void noteCell(const CSVRowPtr &row, qint64 position);
    void noteAllCells();
    void tellChangedCells(int rows, int columns);
    void noteRows(PendingRows::Kind kind, qint64 first, qint64 count);
    bool applyPendingRows(int rows);
    void resetTo(int rows, int columns);
    void noteRowsNotTold();
    QVariant cellBackground(const QModelIndex &index) const;
    void readCellColoring();
    void handlePrefsChange();

    CSVDocument &m_document;
    int m_rowCount = 0;
    int m_columnCount = 0;
    PendingRows m_pendingRows;
    std::vector<ChangedCell> m_changedCells;
    bool m_allCellsChanged = false;
    bool m_drawsCellBackgrounds = true;
    ZRNDeferredCall m_synchronization;
    QTimer m_nextBlock;
};
