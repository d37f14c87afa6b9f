#pragma once

#include "db/antinfo.h"
#include "db/favinfo.h"
#include "db/netinfo.h"
#include "db/ownedlist.h"
#include "db/proginfo.h"
#include "db/tpinfo.h"

namespace kvx {

class CAntList : public OwnedList<AntInfo> {};
class CNetList : public OwnedList<NetInfo> {};
class CTpList : public OwnedList<TpInfo> {};
class CProgList : public OwnedList<ProgInfo> {};
class CFavListList : public OwnedList<FavInfo> {
public:
    // Replaces the groups with the sixteen default, empty ones ("News" .. "FAV 16").
    void setDefaults();
};

} // namespace kvx
