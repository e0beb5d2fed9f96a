#include "ProcessEnvironment.h"

#include <QDir>

PrivateHome::PrivateHome() : m_environment(QProcessEnvironment::systemEnvironment())
{
    const QDir home(m_dir.path());
    m_environment.insert(QStringLiteral("HOME"), home.path());
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath("config"));
    m_environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath("data"));
    m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath("cache"));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
}

QString PrivateHome::stateFolder() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("data/Tabwright/Tabwright"));
}
