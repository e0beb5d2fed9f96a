#pragma once

#include <QFileDialog>

#include <functional>

class CSVDocument;
class PresetControls;

// The save panel of a document: a file dialog proposing the document's name as a table file,
// with an accessory that edits the export preset. The accessory's choices go into the
// document's export preset only when the panel is confirmed: a cancelled panel must not change
// how the next save or autosave writes the file.
class SavePanel : public QFileDialog
{
    Q_OBJECT

public:
    // Runs when the panel ends, after a confirmed panel's choices went into the export preset:
    // the chosen path, or an empty one when it was cancelled.
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
