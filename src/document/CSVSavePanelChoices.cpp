#include "CSVSavePanelChoices.h"

#include <QFileInfo>

CSVSavePanelChoices CSVSavePanelChoices::fromPreset(const CSVImportExportPreset &preset)
{
    return {preset.stringEncoding(), preset.separatorType(), preset.lineEndingType(),
            preset.firstRowIsHeader(), preset.forceQuotes()};
}

void CSVSavePanelChoices::applyTo(CSVImportExportPreset &preset) const
{
    preset.setStringEncoding(encoding);
    preset.setSeparatorType(separatorType);
    preset.setLineEndingType(lineEndingType);
    preset.setFirstRowIsHeader(firstRowIsHeader);
    preset.setForceQuotes(forceQuotes);
}

QString CSVSavePanelChoices::proposedFileName(const QString &documentName, qint64 separatorType)
{
    static const QStringList s_tableSuffixes = {QStringLiteral("csv"), QStringLiteral("txt"),
                                                QStringLiteral("tsv"), QStringLiteral("tab")};
    const QFileInfo info(documentName);
    const bool hasTableSuffix = s_tableSuffixes.contains(info.suffix(), Qt::CaseInsensitive);
    const QString base = hasTableSuffix ? info.completeBaseName() : info.fileName();
    return base + (separatorType == CSVImportExportPreset::Tab ? QStringLiteral(".tsv")
                                                               : QStringLiteral(".csv"));
}
