#include "MultipartForm.h"

namespace {

constexpr char s_lineEnd[] = "\r\n";

} // namespace

QByteArray MultipartForm::contentType()
{
    return QByteArray("multipart/form-data; boundary=") + s_boundary;
}

MultipartForm::MultipartForm(bool leadingContentType)
{
    if (leadingContentType)
        m_body += "Content-Type: " + contentType() + s_lineEnd + s_lineEnd;
}

void MultipartForm::addPart(const char *name, const QString &value)
{
    if (m_hasParts)
        m_body += s_lineEnd;
    m_hasParts = true;
    m_body += QByteArray("--") + s_boundary + s_lineEnd;
    m_body +=
        QByteArray("Content-Disposition: form-data; name=\"") + name + '"' + s_lineEnd + s_lineEnd;
    m_body += value.toUtf8();
}

QByteArray MultipartForm::body() const
{
    return m_body + s_lineEnd + "--" + s_boundary + "--" + s_lineEnd;
}
