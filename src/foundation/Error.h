#pragma once

#include <QString>

#include <memory>

// A failure that a caller can show: which subsystem made it (the domain), a code within that
// domain, a text for the user and, optionally, the failure that caused it.
class Error
{
public:
    Error() = default;
    Error(QString domain, qint64 code, QString localizedDescription = {},
          std::shared_ptr<const Error> underlyingError = {});

    bool isNull() const { return m_domain.isEmpty(); }
    const QString &domain() const { return m_domain; }
    qint64 code() const { return m_code; }
    const QString &localizedDescription() const { return m_localizedDescription; }
    const std::shared_ptr<const Error> &underlyingError() const { return m_underlyingError; }

    // Fills an optional out-parameter; the common tail of every operation that can fail.
    static void report(Error *out, const Error &error);

private:
    QString m_domain;
    qint64 m_code = 0;
    QString m_localizedDescription;
    std::shared_ptr<const Error> m_underlyingError;
};
