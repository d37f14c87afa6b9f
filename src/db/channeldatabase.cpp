#include "db/channeldatabase.h"

namespace kvx {

void CFavListList::setDefaults()
{
    clear();
    for (auto name : kDefaultFavouriteNames)
        append(FavInfo{std::string(name), {}, {}});
}

void ChannelDatabase::clear()
{
    antennas.clear();
    networks.clear();
    transponders.clear();
    programs.clear();
    favourites.clear();
    fileName.clear();
    keepStamp = false;
}

} // namespace kvx
