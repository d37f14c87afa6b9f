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

// The reverse-DNS application id under the organisation's name: the installed desktop entry, icon and
// metainfo are named after it, and window managers match the windows to the entry by it.
inline QString applicationId()
{
    return QStringLiteral("org.quellor.KVXEdit");
}

// The project's version, given by the build.
inline QString applicationVersion()
{
    return QStringLiteral(KVX_VERSION);
}

} // namespace kvx
