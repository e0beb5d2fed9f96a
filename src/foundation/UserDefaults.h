#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

// The per-user settings store. Factory values are registered in memory and never written, so a
// key the user never changed reads its factory value and follows it if a later version changes
// it. Only values the user (or a command on the user's behalf) set are stored.
class UserDefaults
{
public:
    static UserDefaults &standard();

    void registerDefaults(const QVariantMap &factoryValues);

    // The stored value, else the registered factory value, else an invalid QVariant.
    QVariant object(const QString &key) const;
    bool hasStoredValue(const QString &key) const;

    bool boolForKey(const QString &key) const;
    qint64 integerForKey(const QString &key) const;
    quint64 unsignedIntegerForKey(const QString &key) const;
    double doubleForKey(const QString &key) const;
    QString stringForKey(const QString &key) const;
    QVariantList arrayForKey(const QString &key) const;

    void setObject(const QString &key, const QVariant &value);
    void removeObject(const QString &key);

    // Writes pending changes to disk; QSettings also does this on its own, later.
    void synchronize();

private:
    UserDefaults();

    mutable QSettings m_settings;
    QVariantMap m_factoryValues;
};
