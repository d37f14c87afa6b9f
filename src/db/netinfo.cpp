#include "db/netinfo.h"

#include "db/fieldtext.h"
#include "db/tables.h"
#include "platform/nameencoding.h"

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

std::string networkLabelUtf8(const NetInfo& net, const NameEncoding& encoding)
{
    const std::string name = encoding.toUtf8(net.name);
    return name.empty() ? std::string(kNoNameLabel) : name;
}

} // namespace kvx
