#include "UserDefaults.h"

UserDefaults &UserDefaults::standard()
{
    static UserDefaults s_instance;
    return s_instance;
}

UserDefaults::UserDefaults()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tabwright"),
                 QStringLiteral("Tabwright"))
{}

void UserDefaults::registerDefaults(const QVariantMap &factoryValues)
{
    for (auto it = factoryValues.begin(); it != factoryValues.end(); ++it)
        m_factoryValues.insert(it.key(), it.value());
}

QVariant UserDefaults::object(const QString &key) const
{
    const QVariant stored = m_settings.value(key);
    return stored.isValid() ? stored : m_factoryValues.value(key);
}

bool UserDefaults::hasStoredValue(const QString &key) const
{
    return m_settings.contains(key);
}

bool UserDefaults::boolForKey(const QString &key) const
{
    // The ini store reads booleans back as the strings "true" and "false".
    const QVariant value = object(key);
    if (value.typeId() == QMetaType::QString)
        return value.toString() == QLatin1String("true") || value.toString().toLongLong() != 0;
    return value.toBool();
}

qint64 UserDefaults::integerForKey(const QString &key) const
{
    return object(key).toLongLong();
}

quint64 UserDefaults::unsignedIntegerForKey(const QString &key) const
{
    return object(key).toULongLong();
}

double UserDefaults::doubleForKey(const QString &key) const
{
    return object(key).toDouble();
}

QString UserDefaults::stringForKey(const QString &key) const
{
    return object(key).toString();
}

QVariantList UserDefaults::arrayForKey(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() == QMetaType::QStringList) {
        QVariantList list;
        for (const QString &item : value.toStringList())
            list.append(item);
        return list;
    }
    return value.toList();
}

void UserDefaults::setObject(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
}

void UserDefaults::removeObject(const QString &key)
{
    m_settings.remove(key);
}

void UserDefaults::synchronize()
{
    m_settings.sync();
}
