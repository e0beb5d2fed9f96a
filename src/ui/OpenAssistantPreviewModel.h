#pragma once

#include <QAbstractTableModel>

class CSVOpenAssistantPreview;

// The open assistant's preview table: the rows the preview read, titled as the document's
// columns will be. Read-only; reset whenever the preview reads the file again.
class OpenAssistantPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit OpenAssistantPreviewModel(const CSVOpenAssistantPreview &preview,
                                       QObject *parent = nullptr);

    // The preview read the file again.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const CSVOpenAssistantPreview &m_preview;
    QStringList m_titles;
};
