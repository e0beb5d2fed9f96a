#include "SystemPasteboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

bool isPlainText(const char *type)
{
    return qstrcmp(type, CSVPasteboard::s_plainTextType) == 0;
}

} // namespace

SystemPasteboard &SystemPasteboard::general()
{
    static SystemPasteboard s_general;
    return s_general;
}

bool SystemPasteboard::hasType(const char *type) const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return false;
    return isPlainText(type) ? data->hasText() : data->hasFormat(QString::fromLatin1(type));
}

QByteArray SystemPasteboard::data(const char *type) const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return {};
    return isPlainText(type) ? data->text().toUtf8() : data->data(QString::fromLatin1(type));
}

void SystemPasteboard::setContents(Contents contents)
{
    // Plain text is kept as the UTF-8 bytes too: the toolkit offers "text/plain" under the
    // desktop's text targets whichever way it was set, and converts only what is asked for,
    // where a QString would double a large copy.
    auto *data = new QMimeData;
    for (auto &[type, bytes] : contents)
        data->setData(type, bytes);
    QGuiApplication::clipboard()->setMimeData(data);
}
