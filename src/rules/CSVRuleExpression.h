#pragma once

#include <QString>
#include <QStringView>

#include <memory>

struct URegularExpression;

// A colouring rule's regular expression, compiled once with ICU's default options (case
// matters, "^" and "$" at the ends of the whole text). An expression that does not compile
// is kept as such: it matches nothing and tells why. Matching runs for every cell drawn, so
// it allocates nothing, and a runaway expression gives up after a bounded amount of work
// (counted as no match) instead of stalling the table.
class CSVRuleExpression
{
public:
    explicit CSVRuleExpression(const QString &pattern);
    ~CSVRuleExpression();
    CSVRuleExpression(const CSVRuleExpression &) = delete;
    CSVRuleExpression &operator=(const CSVRuleExpression &) = delete;

    bool isValid() const { return m_expression != nullptr; }
    // ICU's reason and the position in the pattern, for the user; empty when valid.
    const QString &errorDescription() const { return m_errorDescription; }

    // Whether the expression finds a match anywhere in the text.
    bool findsMatch(QStringView text) const;

private:
    URegularExpression *m_expression = nullptr;
    QString m_errorDescription;
};
