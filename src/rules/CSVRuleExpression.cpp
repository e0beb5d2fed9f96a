#include "CSVRuleExpression.h"

#include "foundation/LocalizedStrings.h"

#include <unicode/uregex.h>

#include <algorithm>
#include <limits>

namespace {

// ICU counts the work of one match in steps of ten thousand match-engine loops. With this
// bound the built-in expressions still match a number of 30,000 digits, and a catastrophic
// expression ("(a+)+b") or a cell of megabytes gives up after some 15 ms instead of stalling
// the table.
constexpr int32_t s_matchStepLimit = 10;

} // namespace

CSVRuleExpression::CSVRuleExpression(const QString &pattern)
{
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError{};
    m_expression = uregex_open(reinterpret_cast<const UChar *>(pattern.utf16()),
                               int32_t(pattern.size()), 0, &parseError, &status);
    if (U_SUCCESS(status))
        uregex_setTimeLimit(m_expression, s_matchStepLimit, &status);
    if (U_FAILURE(status)) {
        uregex_close(m_expression);
        m_expression = nullptr;
        m_errorDescription = localized("LSRMInvalidExpression")
                                 .arg(QString::fromLatin1(u_errorName(status)))
                                 .arg(std::max(parseError.offset, 0) + 1);
    }
}

CSVRuleExpression::~CSVRuleExpression()
{
    uregex_close(m_expression);
}

bool CSVRuleExpression::findsMatch(QStringView text) const
{
    if (!m_expression || text.size() > std::numeric_limits<int32_t>::max())
        return false;
    // ICU refuses a null text, which an empty view may carry.
    static const UChar s_empty = 0;
    const UChar *chars = text.isEmpty() ? &s_empty : reinterpret_cast<const UChar *>(text.utf16());
    UErrorCode status = U_ZERO_ERROR;
    uregex_setText(m_expression, chars, int32_t(text.size()), &status);
    const bool found = uregex_find(m_expression, 0, &status);
    return U_SUCCESS(status) && found;
}
