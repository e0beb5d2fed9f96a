#pragma once

#include "StringEncoding.h"
#include "ZRNCSVFieldText.h"
#include "ZRNCSVInput.h"
#include "ZRNPlainTextScanner.h"
#include "ZRNTextUnits.h"

#include "foundation/Error.h"

#include <QString>

#include <functional>
#include <limits>
#include <memory>

class QIODevice;
class ZRNCSVParserDelegate;

// Reads delimited text and reports it to a delegate line by line and field by field, keeping
// no table itself.
//
// The text is read in chunks and walked one text unit (extended grapheme cluster; CR LF is one
// unit) at a time. A field ends at the delimiter or a line break outside quotation marks; with
// backslash escapes on, a backslash escapes the unit after it (both stay in the field),
// otherwise it is an ordinary character, as spreadsheets read it; a line whose first unit is "#"
// is a comment and is skipped. A field loses line breaks at both ends, then one enclosing pair
// of quotation marks, then, when trimming, white space at both ends; a doubled quotation mark
// becomes one. A delimiter at the very end of the input ends a field, as before a line break.
//
// Text decoded before a read error or an undecodable byte is reported in full before the
// failure. A UTF-8 (or explicit byte order) byte-order mark at the start is not text and is
// dropped. Memory stays bounded by the chunk size and the longest field.
class ZRNCSVParser
{
public:
    static constexpr qsizetype DefaultChunkSize = 16384;

    // Codes of the errors in errorDomain().
    enum ErrorCode : qint64 {
        InputError = 1, // the input cannot be opened, read or decoded
        Cancelled = 3,  // cancelParsing was called
    };
    static QString errorDomain();

    // Each answers null, with the error in error when given, if the input cannot be opened.
    // A parser on a file or a string reads it again on every parse; one on a stream cannot, and
    // a second parse fails with a read error.
    //
    // Reads the file at path.
    static std::unique_ptr<ZRNCSVParser>
    withContentsOfCSVFile(const QString &path, StringEncoding encoding, Error *error = nullptr);
    // Reads stream, which the parser owns from now on; a stream that is not open yet is opened
    // for reading. The stream is at its end when a read answers no bytes.
    static std::unique_ptr<ZRNCSVParser>
    withStream(std::unique_ptr<QIODevice> stream, StringEncoding encoding, Error *error = nullptr);
    // Reads string as it reads in encoding; fails if the encoding cannot hold every character.
    static std::unique_ptr<ZRNCSVParser>
    withCSVString(const QString &string, StringEncoding encoding, Error *error = nullptr);

    ~ZRNCSVParser();
    ZRNCSVParser(const ZRNCSVParser &) = delete;
    ZRNCSVParser &operator=(const ZRNCSVParser &) = delete;

    // Settings, taken into account by the next parse.
    void setEncoding(StringEncoding encoding) { m_fileEncoding = encoding; }
    // Throws std::invalid_argument while a parse runs, and for a delimiter that is not one
    // UTF-16 code unit, or is a line break, "#", a quotation mark or a backslash.
    void setDelimiter(const QString &delimiter);
    const QString &delimiter() const { return m_delimiter; }
    // 0 comma, 1 semicolon, 2 tab; any other value leaves the delimiter alone.
    void setSeparatorType(qint64 separatorType);
    // The separator type of the delimiter, or NotFound for any other delimiter.
    qint64 separatorType() const;
    void setTrimSpaces(bool trimSpaces) { m_trimSpaces = trimSpaces; }
    bool trimSpaces() const { return m_trimSpaces; }
    // Off after construction. Throws std::invalid_argument while a parse runs.
    void setBackslashEscapes(bool backslashEscapes);
    bool backslashEscapes() const { return m_escapeCharacter == ZRNCSVFieldText::EscapeCharacter; }
    // Bytes read at a time; a parse that restarts goes back to DefaultChunkSize.
    void setChunkSize(qsizetype chunkSize);
    qsizetype chunkSize() const { return m_chunkSize; }
    // The parse reads no further once this many bytes were decoded, as if the input ended
    // there; no limit after construction. Bounds a preview of input without line breaks.
    void setByteLimit(qint64 byteLimit) { m_byteLimit = byteLimit; }
    // Not owned; without a delegate nothing is reported.
    void setParserDelegate(ZRNCSVParserDelegate *delegate) { m_delegate = delegate; }
    ZRNCSVParserDelegate *parserDelegate() const { return m_delegate; }

    // Reads the whole input, making the delegate's calls on this thread. A parser that
    // reached the end, failed or was cancelled starts again from the beginning of its input.
    // Called from one of the delegate's calls, it does nothing.
    void parse();
    // Meant for the delegate's calls: the parse stops after the current text unit, reports no
    // more lines or fields, and fails with the Cancelled error.
    void cancelParsing();

    // The results of the last parse.
    // The failure, or a null error after a parse that reached the end.
    const Error &error() const { return m_error; }
    const QString &csvFile() const { return m_csvFile; }
    // Some bytes could not be decoded in the encoding.
    bool encodingErrorOccured() const { return m_input.encodingErrorOccurred(); }
    // The line-ending type of the first line break, or NotFound.
    qint64 detectedLineEnd() const { return m_input.detectedLineEnd(); }
    // The line of the text, counted as an editor counts it (every line break, blank lines and
    // those inside quotation marks too), that the parse has reached; after a failure the line
    // where reading stopped.
    qint64 textLine() const { return m_textLine; }
    // The bytes of the input read and decoded; after a failure the offset where reading
    // stopped.
    qint64 bytesDecoded() const { return m_input.bytesDecoded(); }
    // The text line where a quotation mark opened that the input never closed (the rest of the
    // input then is one field), or NotFound.
    qint64 unclosedQuoteLine() const { return m_unclosedQuoteLine; }
    // During parserDidEndLine: the line holds no text, only its line break, so it is no row.
    // A line of one quoted empty field is a row.
    bool isBlankLine() const { return m_isBlankLine; }
    // During parserDidEndLine: how many blank lines stood right before this line. A line break
    // after another is read as text of the next line, whose ends are then trimmed, so those
    // lines give no row of their own.
    qint64 blankLinesBefore() const { return m_blankLinesBefore; }

    // Guesses the separator type from the first lines of the file decoded in encoding: the one
    // of comma, semicolon and tab, counted outside quotation marks, that appears the same
    // non-zero number of times on most lines. When none does, the first of them in the first
    // line; NotFound when the first line has none, or the file cannot be read.
    static qint64 autodetectSeparatorForCSVFile(const QString &path,
                                                StringEncoding encoding = StringEncodings::UTF8);

private:
    enum class State : quint8 { LineStart, BetweenFields, InField, CommentLine, Cancelled };
    using StreamFactory = std::function<std::unique_ptr<QIODevice>()>;

    ZRNCSVParser(std::unique_ptr<QIODevice> stream, StringEncoding encoding, StreamFactory reopen);
    static std::unique_ptr<ZRNCSVParser> make(std::unique_ptr<QIODevice> stream,
                                              StringEncoding encoding, StreamFactory reopen,
                                              Error *error);

    void restart();
    void resetWalk();
    void runParseLoop();
    void walkText();
    const ZRNPlainTextScanner *plainText() const;
    qsizetype skipPlainText(const ZRNPlainTextScanner &plain, const char16_t *data,
                            qsizetype position, qsizetype size, bool isFinal);
    void processUnit(QStringView text, qsizetype start, qsizetype end);
    bool processCommonAsciiUnit(char16_t c, qsizetype start);
    void processBetweenFields(char16_t c, bool isLineBreak, qsizetype start);
    void processInField(char16_t c, bool isLineBreak, qsizetype start);
    bool isBalanced() const { return m_balancedQuotes && m_balancedEscapes; }
    void beginCurrentLine();
    void finishCurrentLine();
    void beginCurrentField(qsizetype start);
    void finishCurrentField(qsizetype end);
    void openQuotes();
    void updatePlainTextScanners();

    ZRNCSVParserDelegate *m_delegate = nullptr;
    StreamFactory m_reopen;
    QString m_csvFile;
    StringEncoding m_fileEncoding;
    qsizetype m_chunkSize = DefaultChunkSize;
    qint64 m_byteLimit = std::numeric_limits<qint64>::max();
    QString m_delimiter;
    char16_t m_delimiterCharacter = u',';
    // The plain text of a field outside and inside quotation marks, and of a comment line.
    ZRNPlainTextScanner m_unquotedText{ZRNCSVFieldText::QuotationMark,
                                       ZRNCSVFieldText::QuotationMark, u','};
    ZRNPlainTextScanner m_quotedText{ZRNCSVFieldText::QuotationMark, ZRNCSVFieldText::QuotationMark,
                                     ZRNCSVFieldText::QuotationMark};
    // Control characters end every run already: the line breaks are among them.
    ZRNPlainTextScanner m_commentText{u'\n', u'\n', u'\n'};
    bool m_trimSpaces = false;
    // The backslash, or, with escapes off, the quotation mark, which is always looked at first,
    // so that no character escapes.
    char16_t m_escapeCharacter = ZRNCSVFieldText::QuotationMark;
    bool m_hasStarted = false;
    Error m_error;

    ZRNCSVInput m_input;
    ZRNTextUnits m_units;
    qsizetype m_position = 0;
    State m_state = State::LineStart;
    bool m_balancedQuotes = true;
    bool m_balancedEscapes = true;
    bool m_previousIsLineBreak = false;
    qsizetype m_fieldStart = 0;
    qsizetype m_fieldQuotes = 0; // quotation marks in the open field
    QString m_fieldScratch;
    qint64 m_currentLine = 0;
    qint64 m_textLine = 1;
    qint64 m_quoteLine = 0; // where the open field's quotation marks opened
    qint64 m_unclosedQuoteLine;
    qsizetype m_lineFields = 0;
    bool m_isBlankLine = false;
    qint64 m_blankLinesBefore = 0;
};
