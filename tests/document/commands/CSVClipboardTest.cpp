#include "document/DocumentState.h"

#include "document/CSVDocument.h"
#include "document/commands/CSVClipboard.h"
#include "document/commands/CSVClipboardArchive.h"
#include "document/commands/CSVClipboardText.h"
#include "document/commands/CSVPasteboard.h"
#include "document/commands/CSVRowDrag.h"
#include "document/search/CSVSearchFilter.h"
#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QCborStreamWriter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using NamedCases::PrintTo;

using Pasteboard = CSVPasteboard;

class FakePasteboard : public CSVPasteboard
{
public:
    bool hasType(const char *type) const override { return m_data.count(type) > 0; }
    QByteArray data(const char *type) const override
    {
        const auto it = m_data.find(type);
        return it == m_data.end() ? QByteArray() : it->second;
    }
    void setContents(Contents contents) override
    {
        m_data.clear();
        for (auto &[type, data] : contents)
            m_data[type] = std::move(data);
    }
    void setText(const QString &text)
    {
        setContents({{QString::fromLatin1(s_plainTextType), text.toUtf8()}});
    }

    // "rows=a,b|c,d text=a\tb\n": the private flavour read back, then the plain text.
    std::string state() const
    {
        QString text;
        if (const auto rows = CSVClipboardArchive::readRows(data(s_rowsType)))
            text += QStringLiteral("rows=") + DocumentState::rows(*rows) + u' ';
        if (const auto bundle = CSVClipboardArchive::readColumns(data(s_columnsType))) {
            text += QStringLiteral("columns=");
            for (const QVariant &description : bundle->columns) {
                const QVariantMap map = description.toMap();
                text += QStringLiteral("%1/%2/%3 ")
                            .arg(map.value("name").toString(), map.value("width").toString(),
                                 map.value("contentAlignment").toString());
            }
            text += QStringLiteral("rows=") + DocumentState::rows(bundle->rows) + u' ';
        }
        QString plain = QString::fromUtf8(data(s_plainTextType));
        plain.replace(u'\t', QStringLiteral("\\t")).replace(u'\n', QStringLiteral("\\n"));
        if (hasType(s_tabularTextType) && data(s_tabularTextType) != data(s_plainTextType))
            plain += QStringLiteral(" (tabular text differs)");
        return (text + QStringLiteral("text=") + plain).toStdString();
    }

private:
    std::map<QString, QByteArray> m_data;
};

// Rows "a0,b0,c0", "a1,b1,c1", ... shown in three columns "1" to "3".
void fill(CSVDocument &document, int rowCount, int columnCount = 3, char16_t firstLetter = u'a')
{
    QStringList lines;
    for (int i = 0; i < rowCount; ++i) {
        QStringList cells;
        for (int c = 0; c < columnCount; ++c)
            cells << QStringLiteral("%1%2").arg(QChar(char16_t(firstLetter + c))).arg(i);
        lines << cells.join(u',');
    }
    document.setRowArrays(DocumentState::makeRows(lines));
    document.setNumberOfColumns(columnCount);
    document.buildTableViewColumns();
}

// The three columns "p", "q", "r" of a 10-row document "p0,q0,r0", ..., copied.
void copyTenRowsOfThreeColumns(FakePasteboard &pasteboard)
{
    CSVDocument source;
    fill(source, 10, 3, u'p');
    for (qint64 c = 0; c < 3; ++c)
        source.tableColumnSetTitle(source.tableColumns().at(c), QString(QChar(char16_t(u'p' + c))));
    source.selectColumnIndexes(IndexSet::fromRange(0, 3), false);
    CSVClipboard::copy(source, pasteboard);
}

void filterRows(CSVDocument &document, std::initializer_list<size_t> rows)
{
    CSVRowList filtered;
    for (size_t row : rows)
        filtered.push_back(document.rowArrays().at(row));
    document.setFilteredRowArrays(filtered);
    document.setDisplayMode(CSVDocument::FilterMode);
}

struct ClipboardCase
{
    const char *name;
    int rowCount;
    // Selects, moves columns, fills the clipboard; not part of the command's step.
    std::function<void(CSVDocument &, FakePasteboard &)> setup;
    std::function<void(CSVDocument &, FakePasteboard &)> command;
    const char *after; // the document, then the clipboard
    const char *afterUndo;
};

class CSVClipboardTest : public ::testing::TestWithParam<ClipboardCase>
{};

TEST_P(CSVClipboardTest, ChangesDocumentAndClipboardThenUndoes)
{
    const ClipboardCase &c = GetParam();
    CSVDocument document;
    fill(document, c.rowCount);
    FakePasteboard pasteboard;
    {
        UndoGroup group(document.undoManager());
        c.setup(document, pasteboard);
    }
    document.undoManager().removeAllActions();

    c.command(document, pasteboard);
    EXPECT_EQ(DocumentState::full(document) + " | " + pasteboard.state(), c.after);
    document.undoManager().undo();
    EXPECT_EQ(DocumentState::full(document), c.afterUndo);
}

const auto copy = CSVClipboard::copy;
const auto cut = CSVClipboard::cut;
const auto paste = [](CSVDocument &d, FakePasteboard &p) { CSVClipboard::paste(d, p); };

INSTANTIATE_TEST_SUITE_P(
    Clipboard, CSVClipboardTest,
    ::testing::Values(
        ClipboardCase{"CopyRowsInTheOrderOfAMovedColumn", 3,
                      [](CSVDocument &d, FakePasteboard &) {
                          d.moveTableColumn(1, 0);
                          d.selectRowIndexes({0, 2}, false);
                      },
                      copy,
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=1:2 0:1 2:3 sel=0 2/ undo= redo= | "
                      "rows=b0,a0,c0|b2,a2,c2 text=b0\\ta0\\tc0\\nb2\\ta2\\tc2\\n",
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=1:2 0:1 2:3 sel=0 2/ undo= redo="},
        ClipboardCase{"CopyRowsTakesTheSelectedVisibleRows", 4,
                      [](CSVDocument &d, FakePasteboard &) {
                          filterRows(d, {1, 3});
                          d.selectRowIndexes({1}, false);
                      },
                      copy,
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3 filtered=a1,b1,c1|a3,b3,c3 cols=0:1 "
                      "1:2 2:3 sel=1/ undo= redo= | rows=a3,b3,c3 text=a3\\tb3\\tc3\\n",
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3 filtered=a1,b1,c1|a3,b3,c3 cols=0:1 "
                      "1:2 2:3 sel=1/ undo= redo="},
        ClipboardCase{"CopyColumnTakesEveryRowUnderAFilter", 3,
                      [](CSVDocument &d, FakePasteboard &) {
                          filterRows(d, {1});
                          d.setColumnContentAlignment(2, TextAlignment::Right);
                          d.selectColumnIndexes({2}, false);
                      },
                      copy,
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2 filtered=a1,b1,c1 cols=0:1 1:2 2:3 sel=/2 "
                      "undo= redo= | columns=3/200/1 rows=c0|c1|c2 text=c0\\nc1\\nc2\\n",
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2 filtered=a1,b1,c1 cols=0:1 1:2 2:3 sel=/2 "
                      "undo= redo="},
        // Shown as x, y, z: the pair CR LF makes no empty row.
        ClipboardCase{"PasteTextAppendsRowsFittedToTheShownColumns", 1,
                      [](CSVDocument &d, FakePasteboard &p) {
                          d.moveTableColumn(2, 0);
                          p.setText(QStringLiteral("a\tb\r\nc"));
                      },
                      paste,
                      "a0,b0,c0|b,,a|,,c cols=2:3 0:1 1:2 sel=1 2/ undo=LSUDPasteRows redo= | "
                      "text=a\\tb\r\\nc",
                      "a0,b0,c0 cols=2:3 0:1 1:2 sel=/ undo= redo=LSUDPasteRows"},
        ClipboardCase{"PasteRowsReplacesTheSelectedRows", 4,
                      [](CSVDocument &d, FakePasteboard &p) {
                          d.selectRowIndexes({3}, false);
                          copy(d, p);
                          d.selectRowIndexes({1, 2}, false);
                      },
                      paste,
                      "a0,b0,c0|a3,b3,c3|a3,b3,c3 cols=0:1 1:2 2:3 sel=1/ undo=LSUDPasteRows "
                      "redo= | rows=a3,b3,c3 text=a3\\tb3\\tc3\\n",
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3 cols=0:1 1:2 2:3 sel=1 2/ undo= "
                      "redo=LSUDPasteRows"},
        // The filter is cleared first; the row goes where the selected row stood among all rows.
        ClipboardCase{"PasteRowsUnderAFilterClearsIt", 4,
                      [](CSVDocument &d, FakePasteboard &p) {
                          p.setText(QStringLiteral("x\ty\tz"));
                          CSVSearchFilter::searchStringDidChanged(d, QStringLiteral("3"));
                          d.selectRowIndexes({0}, false);
                      },
                      paste,
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2|x,y,z cols=0:1 1:2 2:3 sel=3/ undo=LSUDPasteRows "
                      "redo= | text=x\\ty\\tz",
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3 cols=0:1 1:2 2:3 sel=3/ undo= "
                      "redo=LSUDPasteRows"},
        // The clipboard holds text too; the columns win. Undo hides the pasted columns and
        // takes the added rows back; their cells stay in the rows, hidden, as removed columns'
        // cells do.
        ClipboardCase{"PasteColumnsAtTheFirstSelectedColumnAddingRows", 4,
                      [](CSVDocument &d, FakePasteboard &p) {
                          copyTenRowsOfThreeColumns(p);
                          d.selectColumnIndexes({1}, false);
                      },
                      paste,
                      "a0,b0,c0,p0,q0,r0|a1,b1,c1,p1,q1,r1|a2,b2,c2,p2,q2,r2|a3,b3,c3,p3,q3,r3|"
                      ",,,p4,q4,r4|,,,p5,q5,r5|,,,p6,q6,r6|,,,p7,q7,r7|,,,p8,q8,r8|,,,p9,q9,r9 "
                      "cols=0:1 3:p 4:q 5:r 2:3 sel=4 5 6 7 8 9/1 2 3 undo=LSUDPasteColumns redo= "
                      "| columns=p/200/0 q/200/0 r/200/0 rows=p0,q0,r0|p1,q1,r1|p2,q2,r2|p3,q3,"
                      "r3|p4,q4,r4|p5,q5,r5|p6,q6,r6|p7,q7,r7|p8,q8,r8|p9,q9,r9 text=p0\\tq0\\tr0"
                      "\\np1\\tq1\\tr1\\np2\\tq2\\tr2\\np3\\tq3\\tr3\\np4\\tq4\\tr4\\np5\\tq5\\tr5"
                      "\\np6\\tq6\\tr6\\np7\\tq7\\tr7\\np8\\tq8\\tr8\\np9\\tq9\\tr9\\n",
                      "a0,b0,c0,p0,q0,r0|a1,b1,c1,p1,q1,r1|a2,b2,c2,p2,q2,r2|a3,b3,c3,p3,q3,r3 "
                      "cols=0:1 1:2 2:3 sel=/1 undo= redo=LSUDPasteColumns"},
        ClipboardCase{"CutColumnHidesItAndUndoShowsItWithItsCells", 2,
                      [](CSVDocument &d, FakePasteboard &) { d.selectColumnIndexes({1}, false); },
                      cut,
                      "a0,b0,c0|a1,b1,c1 cols=0:1 2:3 sel=/ undo=LSUDCutColumns redo= | "
                      "columns=2/200/0 rows=b0|b1 text=b0\\nb1\\n",
                      "a0,b0,c0|a1,b1,c1 cols=0:1 1:2 2:3 sel=/1 undo= redo=LSUDCutColumns"},
        ClipboardCase{"CutRowsRemovesThem", 3,
                      [](CSVDocument &d, FakePasteboard &) {
                          d.selectRowIndexes({0, 2}, false);
                      },
                      cut,
                      "a1,b1,c1 cols=0:1 1:2 2:3 sel=/ undo=LSUDCutRows redo= | "
                      "rows=a0,b0,c0|a2,b2,c2 text=a0\\tb0\\tc0\\na2\\tb2\\tc2\\n",
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2 cols=0:1 1:2 2:3 sel=0 2/ undo= "
                      "redo=LSUDCutRows"},
        ClipboardCase{"DragRowsZeroAndTwoAboveRowFive", 7, [](CSVDocument &, FakePasteboard &) {},
                      [](CSVDocument &d, FakePasteboard &) {
                          CSVRowDrag drag;
                          ASSERT_TRUE(drag.begin(d, {0, 2}));
                          ASSERT_TRUE(drag.acceptDrop(d, 5));
                      },
                      "a1,b1,c1|a3,b3,c3|a4,b4,c4|a0,b0,c0|a2,b2,c2|a5,b5,c5|a6,b6,c6 cols=0:1 "
                      "1:2 2:3 sel=3 4/ undo=LSUDRowsMoved redo= | text=",
                      "a0,b0,c0|a1,b1,c1|a2,b2,c2|a3,b3,c3|a4,b4,c4|a5,b5,c5|a6,b6,c6 cols=0:1 "
                      "1:2 2:3 sel=0 2/ undo= redo=LSUDRowsMoved"}),
    caseName);

// A drag starts only on the document's own rows, editable, with at least two of them; a drop
// on a dragged row is refused.
TEST(CSVRowDragTest, RefusesWhereRowsCannotMove)
{
    CSVDocument document;
    fill(document, 1);
    CSVRowDrag drag;
    EXPECT_FALSE(drag.begin(document, {0}));
    fill(document, 3);
    filterRows(document, {0, 1});
    EXPECT_FALSE(drag.begin(document, {0}));
    document.setFilteredRowArrays(std::nullopt);
    ASSERT_TRUE(drag.begin(document, {1}));
    EXPECT_FALSE(drag.validateDrop(1));
    EXPECT_TRUE(drag.validateDrop(2));
    document.openReadOnlyForColumnMismatch();
    EXPECT_FALSE(drag.begin(document, {0}));
}

struct TextCase
{
    const char *name;
    QList<QStringList> cells;
    const char16_t *text;
    bool written;                   // the cells are written as this text, not only read from it
    const char16_t *html = nullptr; // the HTML table's rows written with it
    std::vector<qint64> positions = {0, 1};
};

class CSVClipboardTextTest : public ::testing::TestWithParam<TextCase>
{};

QList<QStringList> cellsOf(const CSVRowList &rows)
{
    QList<QStringList> cells;
    for (const CSVRowPtr &row : rows)
        cells << row->cells();
    return cells;
}

TEST_P(CSVClipboardTextTest, WritesAndReadsTheQuotedForm)
{
    const TextCase &c = GetParam();
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(cellsOf(CSVClipboardText::read(text)), c.cells);
    if (!c.written)
        return;
    CSVRowList rows;
    for (const QStringList &cells : c.cells)
        rows.push_back(makeCSVRow(cells));
    QByteArray written;
    QByteArray html;
    {
        CSVByteWriter textWriter(written);
        CSVByteWriter htmlWriter(html);
        CSVCopiedTable(rows, c.positions).forEachRow([&](const CSVCopiedTable::Cells &cells) {
            CSVClipboardText::appendRow(textWriter, htmlWriter, cells);
        });
    }
    EXPECT_EQ(QString::fromUtf8(written), text);
    EXPECT_EQ(QString::fromUtf8(html), QString::fromUtf16(c.html));
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, CSVClipboardTextTest,
    ::testing::Values(
        TextCase{"PlainCellsAsTheyAre",
                 {{"a<b>", "c\"d&é"}, {"", "e"}},
                 u"a<b>\tc\"d&é\n\te\n",
                 true,
                 u"<tr><td>a&lt;b&gt;</td><td>c\"d&amp;é</td></tr><tr><td></td><td>e</td></tr>"},
        TextCase{"TabLineBreakAndLeadingQuoteQuoted",
                 {{"a\tb", "c\nd"}, {"\"q\"", "e\r\u2028\u0085\u2029"}},
                 u"\"a\tb\"\t\"c\nd\"\n\"\"\"q\"\"\"\t\"e\r\u2028\u0085\u2029\"\n",
                 true,
                 u"<tr><td>a\tb</td><td>c<br>d</td></tr><tr><td>\"q\"</td><td>e<br><br><br><br>"
                 u"</td></tr>"},
        TextCase{"QuoteOpeningNoClosedFieldStaysLiteral",
                 {{"\"a", "b"}, {"\"x\"y", "\"\"\"", "z"}},
                 u"\"a\tb\n\"x\"y\t\"\"\"\tz\n",
                 false},
        TextCase{"LoneEmptyCellQuoted",
                 {{"a"}, {""}, {"b"}},
                 u"a\n\"\"\nb\n",
                 true,
                 u"<tr><td>a</td></tr><tr><td></td></tr><tr><td>b</td></tr>",
                 {0}},
        TextCase{
            "EmptyLinesSkippedTrailingTabKept", {{"a", ""}, {"b"}}, u"\r\n\na\t\n\u0085b", false}),
    caseName);

// The private flavours are the bytes QCborStreamWriter writes (so that other running copies
// read them), cell lengths taking heads of one to five bytes, and read back exactly.
TEST(CSVClipboardArchiveTest, IsTheCborQtWritesAndReadsBack)
{
    const QStringList cells = {QString(),          QString(23, u'a'),    QString(24, u'b'),
                               QString(256, u'é'), QString(70000, u'€'), u"\uFEFFx\U0001F600"_qs};
    CSVDocument document;
    document.setRowArrays({makeCSVRow(cells)});
    document.setNumberOfColumns(cells.size());
    document.buildTableViewColumns();
    document.tableColumnSetTitle(document.tableColumns().at(4), QStringLiteral("T€"));
    document.setColumnContentAlignment(4, TextAlignment::Right);
    const auto qtWritten = [&](const std::function<void(QCborStreamWriter &)> &write) {
        QByteArray bytes;
        QCborStreamWriter writer(&bytes);
        write(writer);
        return bytes;
    };
    const QByteArray rows = qtWritten([&](QCborStreamWriter &writer) {
        writer.startArray(1);
        writer.startArray(quint64(cells.size()));
        for (const QString &cell : cells)
            writer.append(cell);
        writer.endArray();
        writer.endArray();
    });
    const QByteArray columns = qtWritten([&](QCborStreamWriter &writer) {
        writer.startMap(2);
        writer.append(QLatin1String("columns"));
        writer.startArray(1);
        writer.startMap(3);
        writer.append(QLatin1String("name"));
        writer.append(u"T€"_qs);
        writer.append(QLatin1String("width"));
        writer.append(document.tableColumns().at(4).width());
        writer.append(QLatin1String("contentAlignment"));
        writer.append(quint64(TextAlignment::Right));
        writer.endMap();
        writer.endArray();
        writer.append(QLatin1String("rows"));
        writer.startArray(1);
        writer.startArray(1);
        writer.append(cells[4]);
        writer.endArray();
        writer.endArray();
        writer.endMap();
    });
    FakePasteboard pasteboard;
    document.selectRowIndexes({0}, false);
    CSVClipboard::copy(document, pasteboard);
    EXPECT_TRUE(pasteboard.data(Pasteboard::s_rowsType) == rows);
    document.selectRowIndexes({}, false);
    document.selectColumnIndexes({4}, false);
    CSVClipboard::copy(document, pasteboard);
    EXPECT_TRUE(pasteboard.data(Pasteboard::s_columnsType) == columns);
    EXPECT_EQ(CSVClipboardArchive::readRows(rows).value().front()->cells(), cells);
}

struct ArchiveCase
{
    const char *name;
    const char *type;
    const char *hex;
    const char *state; // as read back, "text=" when unreadable
};

void PrintTo(const ArchiveCase &c, std::ostream *os)
{
    *os << c.name;
}

class CSVClipboardArchiveReadTest : public ::testing::TestWithParam<ArchiveCase>
{};

// What another program may have put under the private flavours' names.
TEST_P(CSVClipboardArchiveReadTest, ReadsValidCborAndRefusesFaults)
{
    FakePasteboard pasteboard;
    pasteboard.setContents(
        {{QString::fromLatin1(GetParam().type), QByteArray::fromHex(GetParam().hex)}});
    EXPECT_EQ(pasteboard.state(), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, CSVClipboardArchiveReadTest,
    ::testing::Values(
        ArchiveCase{"IndefiniteArraysAndChunkedStrings", Pasteboard::s_rowsType,
                    "9f9f61617f61626163ffff8160ff", "rows=a,bc| text="},
        // Unknown keys are skipped whatever they hold; a float width is taken.
        ArchiveCase{"BundleWithUnknownKeysSkipped", Pasteboard::s_columnsType,
                    "a36178c1a34100206179f93e00617a5f4100ff67636f6c756d6e7381a464"
                    "6e616d65616e657769647468fa4148000070636f6e74656e74416c69676e"
                    "6d656e7402656578747261f664726f777381816176",
                    "columns=n/12.5/2 rows=v text="},
        ArchiveCase{"Truncated", Pasteboard::s_rowsType, "8281616181", "text="},
        ArchiveCase{"InvalidUtf8", Pasteboard::s_rowsType, "818162c328", "text="},
        ArchiveCase{"OverlongTwoByteSequence", Pasteboard::s_rowsType, "818162c181", "text="},
        ArchiveCase{"EncodedSurrogate", Pasteboard::s_rowsType, "818163eda080", "text="},
        ArchiveCase{"NumberForACell", Pasteboard::s_rowsType, "818101", "text="},
        ArchiveCase{"CountBeyondTheData", Pasteboard::s_rowsType, "9bffffffffffffffff", "text="}),
    [](const auto &info) { return std::string(info.param.name); });

// Random cells full of tabs, line breaks and quotes come back the same through both the
// private flavour and the text alone.
TEST(CSVClipboardRoundTripTest, CopyThenPasteGivesTheSameCells)
{
    const QStringList pieces = {u"a"_qs, u"\t"_qs, u"\n"_qs,     u"\r\n"_qs, u"\""_qs,
                                u" "_qs, u"é"_qs,  u"\u2028"_qs, u"€"_qs};
    QRandomGenerator random(15);
    for (int round = 0; round < 200; ++round) {
        CSVDocument source;
        const int columns = random.bounded(1, 5);
        QStringList lines;
        CSVRowList rows;
        for (int r = random.bounded(1, 6); r > 0; --r) {
            QStringList cells;
            for (int c = 0; c < columns; ++c) {
                QString cell;
                for (int n = random.bounded(4); n > 0; --n)
                    cell += pieces[random.bounded(int(pieces.size()))];
                cells << cell;
            }
            rows.push_back(makeCSVRow(cells));
        }
        source.setRowArrays(rows);
        source.setNumberOfColumns(columns);
        source.buildTableViewColumns();
        source.selectRowIndexes(IndexSet::fromRange(0, qint64(rows.size())), false);
        FakePasteboard pasteboard;
        CSVClipboard::copy(source, pasteboard);
        for (bool textOnly : {false, true}) {
            if (textOnly)
                pasteboard.setText(QString::fromUtf8(pasteboard.data(Pasteboard::s_plainTextType)));
            CSVDocument target;
            fill(target, 0, columns);
            CSVClipboard::paste(target, pasteboard);
            EXPECT_EQ(cellsOf(target.rowArrays()), cellsOf(rows)) << "text only: " << textOnly;
        }
    }
}

struct NewDocumentCase
{
    const char *name;
    std::function<void(FakePasteboard &)> fill;
    const char *table;
};

class CSVNewDocumentFromPasteboardTest : public ::testing::TestWithParam<NewDocumentCase>
{};

TEST_P(CSVNewDocumentFromPasteboardTest, TakesTheRowsPaddedAndIsChanged)
{
    FakePasteboard pasteboard;
    GetParam().fill(pasteboard);
    CSVDocument document;
    CSVClipboard::setRowsFromPasteboard(document, pasteboard);
    document.buildTableViewColumns();
    EXPECT_EQ(DocumentState::table(document) +
                  (document.hasUnsavedChanges() ? " changed" : " unchanged"),
              GetParam().table);
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, CSVNewDocumentFromPasteboardTest,
    ::testing::Values(
        NewDocumentCase{
            "TextLinesOfTwoFiveAndThreeFields",
            [](FakePasteboard &p) { p.setText(QStringLiteral("a\tb\nc\td\te\tf\tg\nh\ti\tj\n")); },
            "a,b,,,|c,d,e,f,g|h,i,j,, cols=0:1 1:2 2:3 3:4 4:5 changed"},
        NewDocumentCase{"ColumnsWithTheirTitles", copyTenRowsOfThreeColumns,
                        "p0,q0,r0|p1,q1,r1|p2,q2,r2|p3,q3,r3|p4,q4,r4|p5,q5,r5|p6,q6,r6|p7,q7,"
                        "r7|p8,q8,r8|p9,q9,r9 cols=0:p 1:q 2:r changed"},
        NewDocumentCase{"NothingUsable",
                        [](FakePasteboard &p) {
                            p.setContents({{QString::fromLatin1(Pasteboard::s_rowsType), "x"}});
                        },
                        " cols= changed"}),
    caseName);

} // namespace
