#pragma once

#include <QFileDialog>

#include <functional>

class CSVDocument;
class PresetControls;

// The save panel of a document: a file dialog proposing the document's name as a table file,
// with an accessory that edits the export preset. A change in the accessory goes straight into
// the document's export preset, and stays there even when the panel is cancelled.
class SavePanel : public QFileDialog
{
    Q_OBJECT

public:
    // Runs when the panel ends: the chosen path, or an empty one when it was cancelled.
    using Completion = std::function<void(const QString &path)>;

    // Shows the panel on the window (window-modal, inside the sheet highlight). It deletes
    // itself once it has ended and run completion.
    static SavePanel *begin(CSVDocument &document, const QString &documentName, QWidget *window,
                            Completion completion);

    PresetControls *accessory() const { return m_accessory; }

private:
    SavePanel(CSVDocument &document, const QString &documentName, QWidget *window);
    void saveAccessoryViewChanged();
    void proposeSuffix();

    CSVDocument &m_document;
    PresetControls *m_accessory;
};
