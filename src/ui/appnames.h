#pragma once

#include <QString>

namespace kvx {

// The application's name: window title, message box caption and settings application name.
inline QString applicationName()
{
    return QStringLiteral("KVXEdit");
}

// The organisation under which the settings are kept.
inline QString organizationName()
{
    return QStringLiteral("Quellor");
}

inline QString applicationVersion()
{
    return QStringLiteral("1.6.2");
}

} // namespace kvx
