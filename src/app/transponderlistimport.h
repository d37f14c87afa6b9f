#pragma once

#include <QString>

namespace kvx {

struct ChannelDatabase;
struct ImportQuestions;
struct NetInfo;

// Fills `network` from one of the scan tables installed in `folder` (its "dvb-s" tables, or its "dvb-t"
// ones for the terrestrial network), chosen in a dialog that lists those at the network's position
// first. The merge follows the LyngSat update's rules and is reviewed before anything changes. Returns
// StatusOk when the database was changed, else the reason it was not (the user has been told).
int UpdateFromScanTable(const ImportQuestions& questions, ChannelDatabase& db, NetInfo& network,
                        const QString& folder, bool terrestrial);

// Fills `network` from a satellite of a satellites.xml file the user chooses; the satellites at the
// network's position are offered first. Returns as UpdateFromScanTable does.
int ImportSatellitesXml(const ImportQuestions& questions, ChannelDatabase& db, NetInfo& network);

} // namespace kvx
