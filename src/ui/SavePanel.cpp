#include "SavePanel.h"

#include "PresetControls.h"

#include "document/CSVDocument.h"
#include "foundation/LocalizedStrings.h"
#include "kit/ZRNSheetPresentation.h"

#include <QFileInfo>
#include <QGridLayout>

SavePanel *SavePanel::begin(CSVDocument &document, const QString &documentName, QWidget *window,
                            Completion completion)
{
    auto *panel = new SavePanel(document, documentName, window);
    ZRNSheetPresentation::sharedPresentation().prepareSheetPresentationForWindow(window);
    connect(panel, &QDialog::finished, panel, [panel, window, completion](int result) {
        ZRNSheetPresentation::sharedPresentation().cleanUpSheetPresentationForWindow(window);
        const QStringList chosen = panel->selectedFiles();
        const bool confirmed = result == QDialog::Accepted && !chosen.isEmpty();
        if (confirmed)
            panel->saveAccessoryViewChanged();
        completion(confirmed ? chosen.first() : QString());
        panel->deleteLater();
    });
    panel->open();
    return panel;
}

SavePanel::SavePanel(CSVDocument &document, const QString &documentName, QWidget *window)
    : QFileDialog(window, localized("LSSavePanelTitle"))
    , m_document(document)
    , m_accessory(new PresetControls(PresetControls::Purpose::Writing, this))
{
    setObjectName(QStringLiteral("savePanel"));
    setWindowModality(Qt::WindowModal);
    // The accessory needs the toolkit's own dialog: a desktop's native one takes no widgets.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters({localized("LSSavePanelTables"), localized("LSSavePanelAllFiles")});
    if (!document.filePath().isEmpty())
        setDirectory(QFileInfo(document.filePath()).absolutePath());
    selectFile(CSVSavePanelChoices::proposedFileName(documentName,
                                                     document.exportPreset().separatorType()));

    m_accessory->setObjectName(QStringLiteral("saveAccessorView"));
    m_accessory->setPreset(document.exportPreset());
    proposeSuffix();
    connect(m_accessory, &PresetControls::changed, this, &SavePanel::proposeSuffix);
    // The dialog's own grid: the accessory goes below everything, across the whole width.
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(m_accessory, grid->rowCount(), 0, 1, grid->columnCount());
}

void SavePanel::saveAccessoryViewChanged()
{
    m_document.saveAccessoryViewChanged(CSVSavePanelChoices::fromPreset(m_accessory->preset()));
}

// A name typed without an extension gets the one of its separator.
void SavePanel::proposeSuffix()
{
    const bool tab = m_accessory->preset().separatorType() == CSVImportExportPreset::Tab;
    setDefaultSuffix(tab ? QStringLiteral("tsv") : QStringLiteral("csv"));
}
