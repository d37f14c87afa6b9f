#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kvx {

// An icon from one of the editor's own XPM resources. Naming the format spares Qt the probing of
// every image plug-in for a file it could recognise itself, which costs more than the icons.
inline QIcon xpmIcon(const QString& resource)
{
    return QIcon(QPixmap(resource, "XPM"));
}

} // namespace kvx
