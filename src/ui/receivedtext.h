#pragma once

#include <cstdint>

#include <QLocale>
#include <QObject>
#include <QString>

namespace kvx {

// "12 KB of 340 KB received", or "12 KB received" when `total` is unknown (below 1): how a download's
// progress reads in its dialog and in the status bar. Inline: the network module shows it too.
inline QString receivedText(int64_t received, int64_t total)
{
    const auto size = [](int64_t bytes) {
        return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
    };
    return total > 0 ? QObject::tr("%1 of %2 received").arg(size(received), size(total))
                     : QObject::tr("%1 received").arg(size(received));
}

} // namespace kvx
