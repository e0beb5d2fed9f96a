#include "feedback/RecoveryFile.h"
#include "document/DocumentState.h"
#include "feedback/RecoverySession.h"
#include "foundation/Error.h"
#include "ui/GuiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using DocumentState::makeRows;

// A document with what a copy must keep: ragged rows, empty cells, line breaks and non-Latin
// text in cells, a hidden column whose cells stay in the rows, a moved and retitled column, a
// width and an alignment, presets that are not the defaults, and its file.
std::unique_ptr<CSVDocument> editedDocument()
{
    CSVImportExportPreset preset(CSVImportExportPreset::Semicolon, 0x80000000 | 0x0500,
                                 CSVImportExportPreset::LF, true);
    preset.setForceQuotes(true);
    auto document = CSVDocument::withRows(
        makeRows({QStringLiteral("a,b,c"), QStringLiteral("Größe,,日本"), QStringLiteral("x")}),
        preset);
    document->setExportPreset(preset);
    document->setFilePath(QStringLiteral("/home/ann/shop.csv"));
    document->buildTableViewColumns();
    document->setStringValue(QStringLiteral("two\nlines"), document->rowArrays()[2], 0);
    document->moveTableColumn(2, 0);
    document->removeTableColumn(document->tableColumns().at(1));
    document->tableColumnSetTitle(document->tableColumns().at(0), QStringLiteral("Name"));
    document->setColumnWidth(1, 321);
    document->setColumnContentAlignment(1, TextAlignment::Right);
    return document;
}

std::string layout(const CSVDocument &document)
{
    std::string text = DocumentState::table(document);
    for (const CSVTableColumn &column : document.tableColumns().columns())
        text += ' ' + std::to_string(int(column.width())) + '/' +
                std::to_string(int(column.contentAlignment()));
    return text + ' ' + document.filePath().toStdString();
}

TEST(RecoveryFile, BringsBackTheDocumentAsItWas)
{
    const QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("copy.recovery"));
    const auto original = editedDocument();
    Error error;
    ASSERT_TRUE(RecoveryFile::snapshot(*original, QStringLiteral("shop.csv")).write(path, &error))
        << qPrintable(error.localizedDescription());
    const std::optional<RecoveryFile> read = RecoveryFile::read(path, &error);
    ASSERT_TRUE(read) << qPrintable(error.localizedDescription());
    const auto recovered = read->makeDocument();
    read->applyColumns(*recovered);
    EXPECT_EQ(layout(*recovered), layout(*original));
    EXPECT_EQ(read->title(), u"shop.csv");
    EXPECT_TRUE(recovered->hasUnsavedChanges());
    EXPECT_TRUE(recovered->importPreset() == original->importPreset());
    EXPECT_TRUE(recovered->exportPreset() == original->exportPreset());
}

// A copy cut short (a full disk) or not a copy at all is refused, with a reason.
TEST(RecoveryFile, RefusesAnIncompleteCopy)
{
    const QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("copy.recovery"));
    ASSERT_TRUE(RecoveryFile::snapshot(*editedDocument(), QString()).write(path, nullptr));
    QFile file(path);
    ASSERT_TRUE(file.resize(file.size() - 3));
    Error error;
    EXPECT_FALSE(RecoveryFile::read(path, &error));
    EXPECT_FALSE(error.localizedDescription().isEmpty());
}

// The copy follows the unsaved state: written after a change, gone after a save, back after
// the next change, gone with the document; the session's folder goes at a clean end.
TEST(RecoverySession, KeepsACopyWhileTheDocumentHasUnsavedChanges)
{
    const QTemporaryDir root;
    RecoverySession::setWriteDelay(0);
    auto session = std::make_unique<RecoverySession>(root.path());
    CSVDocument document;
    session->watch(&document, [] { return QStringLiteral("Untitled"); });
    const auto edit = [&document](const QString &text) {
        document.setStringValue(text, document.rowArrays()[0], 0);
    };
    QStringList seen;
    const auto hasCopy = [&] { return !session->copyPath(&document).isEmpty(); };
    edit(QStringLiteral("one"));
    WAIT_UNTIL(hasCopy());
    seen << RecoveryFile::read(session->copyPath(&document), nullptr)->title();
    document.undoManager().markClean();
    WAIT_UNTIL(!hasCopy());
    edit(QStringLiteral("two"));
    WAIT_UNTIL(hasCopy());
    const QString copy = session->copyPath(&document);
    session->forget(&document);
    seen << (QFile::exists(copy) ? QStringLiteral("kept") : QStringLiteral("removed"));
    session.reset();
    seen << QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    EXPECT_EQ(seen, QStringList({QStringLiteral("Untitled"), QStringLiteral("removed")}));
}

} // namespace
