#include "Error.h"

#include <utility>

Error::Error(QString domain, qint64 code, QString localizedDescription,
             std::shared_ptr<const Error> underlyingError)
    : m_domain(std::move(domain))
    , m_code(code)
    , m_localizedDescription(std::move(localizedDescription))
    , m_underlyingError(std::move(underlyingError))
{}

void Error::report(Error *out, const Error &error)
{
    if (out)
        *out = error;
}
