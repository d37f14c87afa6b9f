#pragma once

#include <string>

#include "db/channeldatabase.h"

namespace kvx {

class NameEncoding;

// The satellite networks that have a name or a position as a satellites.xml file (UTF-8): one
// <sat name flags position> per network in slot order, the position in signed tenths of a degree
// (west negative), and one <transponder> per transponder with frequency in kHz, symbol_rate in
// symbols/s, polarization (0 H, 1 V, 2 L, 3 R), fec_inner (the record's FEC index: 0 auto, 1 1/2 ..
// 9 9/10), system (0 DVB-S, 1 DVB-S2) and modulation (1 QPSK, 2 8PSK).
std::string exportSatellitesXml(const ChannelDatabase& db, const NameEncoding& encoding);

} // namespace kvx
