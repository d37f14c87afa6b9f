#include "db/netinfo.h"

#include "db/fieldtext.h"
#include "db/tables.h"

namespace kvx {

void NetInfo::reset(uint8_t slot)
{
    name = slot == TERRESTRIAL_SLOT ? "Terrestrial" : "";
    degree = 0;
    positionerId = 0;
    netIndex = slot;
    skewV = kDefaultSkewV;
    skewH = kDefaultSkewH;
}

std::string NetInfo::degreeText() const
{
    return positionText(degree);
}

bool NetInfo::isEmpty() const
{
    return degree == 0 && (name.empty() || name[0] == '-' || name[0] == ' ');
}

bool NetInfo::differs(const NetInfo& other, bool comparePositioner, bool compareSkew) const
{
    if (name != other.name || degree != other.degree)
        return true;
    if (comparePositioner && positionerId != other.positionerId)
        return true;
    return compareSkew && (skewV != other.skewV || skewH != other.skewH);
}

} // namespace kvx
