#pragma once

#include <QVariantMap>

// The factory value of every setting the application reads, in one place. They are registered
// before anything else runs, so a setting the user never changed reads its factory value.
class FactoryDefaults
{
public:
    static QVariantMap values();
    static void registerAll();
};
