#include "CSVImportExportPreset.h"

namespace {

// The keys of the archived form; stored presets use them, so they never change.
constexpr QLatin1StringView SeparatorTypeKey("aSeparatorType");
constexpr QLatin1StringView StringEncodingKey("aStringEncoding");
constexpr QLatin1StringView LineEndingTypeKey("aLineEndingType");
constexpr QLatin1StringView FirstRowIsHeaderKey("firstRowIsHeader");
constexpr QLatin1StringView TrimSpacesKey("trimSpaces");
constexpr QLatin1StringView BackslashEscapesKey("backslashEscapes");

void decodeInteger(const QVariantMap &coder, QLatin1StringView key, qint64 &field)
{
    const QVariant value = coder.value(key);
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
        field = value.toLongLong();
}

void decodeBool(const QVariantMap &coder, QLatin1StringView key, bool &field)
{
    const QVariant value = coder.value(key);
    if (value.typeId() == QMetaType::Bool)
        field = value.toBool();
}

} // namespace

CSVImportExportPreset::CSVImportExportPreset(qint64 separatorType, StringEncoding stringEncoding,
                                             qint64 lineEndingType, bool firstRowIsHeader)
    : m_separatorType(separatorType)
    , m_stringEncoding(stringEncoding)
    , m_lineEndingType(lineEndingType)
    , m_firstRowIsHeader(firstRowIsHeader)
{}

CSVImportExportPreset::CSVImportExportPreset(const QVariantMap &coder)
{
    qint64 stringEncoding = static_cast<qint64>(m_stringEncoding);
    decodeInteger(coder, SeparatorTypeKey, m_separatorType);
    decodeInteger(coder, StringEncodingKey, stringEncoding);
    decodeInteger(coder, LineEndingTypeKey, m_lineEndingType);
    decodeBool(coder, FirstRowIsHeaderKey, m_firstRowIsHeader);
    decodeBool(coder, TrimSpacesKey, m_trimSpaces);
    decodeBool(coder, BackslashEscapesKey, m_backslashEscapes);
    m_stringEncoding = static_cast<StringEncoding>(stringEncoding);
}

void CSVImportExportPreset::encodeWithCoder(QVariantMap &coder) const
{
    coder.insert(SeparatorTypeKey, m_separatorType);
    coder.insert(StringEncodingKey, static_cast<qint64>(m_stringEncoding));
    coder.insert(LineEndingTypeKey, m_lineEndingType);
    coder.insert(FirstRowIsHeaderKey, m_firstRowIsHeader);
    coder.insert(TrimSpacesKey, m_trimSpaces);
    coder.insert(BackslashEscapesKey, m_backslashEscapes);
}
