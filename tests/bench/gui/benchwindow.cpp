#include "benchwindow.h"

#include <fstream>

#include <QTemporaryDir>

#include "support/sampledatabase.h"

namespace kvx::bench {

QString writeDatabaseFile(const QTemporaryDir& dir, ChannelDatabase& db, const QString& name)
{
    const std::vector<uint8_t> image = test::imageOf(db);
    const QString path = dir.filePath(name);
    std::ofstream(path.toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return path;
}

} // namespace kvx::bench
