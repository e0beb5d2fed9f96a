#pragma once

#include <QByteArray>
#include <QString>

// A form body of the kind the crash reporter and the feedback sender post: parts of the form
// "Content-Disposition: form-data; name=…" between boundary lines, every text in UTF-8. The
// receiving scripts parse these bytes as they are, so the layout never changes.
class MultipartForm
{
public:
    static constexpr char s_boundary[] = "0xKhTmLbOuNdArY";

    // The value of the request's "Content-Type" header.
    static QByteArray contentType();

    // An empty form; with a leading content type, the body starts with its own
    // "Content-Type: …" line and a blank line, as the feedback form always has.
    explicit MultipartForm(bool leadingContentType = false);

    void addPart(const char *name, const QString &value);
    // The body: the parts, then the closing boundary line.
    QByteArray body() const;

private:
    QByteArray m_body;
    bool m_hasParts = false;
};
