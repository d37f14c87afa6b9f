#include "benchwindow.h"

#include <fstream>
#include <memory>

#include <QTemporaryDir>

#include "db/channellistwork.h"
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

ChannelDatabase largeDatabaseWithFullTransponder(int programs)
{
    ChannelDatabase db = test::makeLargeDatabase();
    for (int p = 0; p < programs; ++p)
        db.programs[static_cast<std::size_t>(p)].tpIndex = 0;
    return db;
}

std::function<bool(ChannelDatabase&)> sortingChannelList()
{
    auto descending = std::make_shared<bool>(true);
    return [descending](ChannelDatabase& db) {
        ChannelListWork work(db);
        work.sortByColumn(CHLIST_COLUMN_NAME);
        if (*descending)
            work.sortByColumn(CHLIST_COLUMN_NAME);
        *descending = !*descending;
        return work.apply();
    };
}

} // namespace kvx::bench
