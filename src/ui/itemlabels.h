#pragma once

#include <cstdint>

#include <QCoreApplication>
#include <QString>

#include "db/netinfo.h"

namespace kvx {

struct TpInfo;
struct ProgInfo;
class NameEncoding;

// Shown for a network or program without a name, in the user's language.
inline QString noNameLabel()
{
    return QCoreApplication::translate("Labels", kNoNameLabel.data());
}

// The labels the satellite tree shows for its records. Names are bytes in the name encoding (or
// ISO 8859-5 for programs that say so) and are decoded only here.
QString networkLabel(const NetInfo& net, const NameEncoding& encoding);
// The name when the layout has transponder names and the name is not empty, else transponderLabel.
QString transponderItemLabel(const TpInfo& tp, uint32_t layoutFlags, const NameEncoding& encoding);
// "11.475  (V)  5.150" for a satellite transponder, "0.474 (7 Mhz)" for a terrestrial one.
QString transponderLabel(const TpInfo& tp);
QString programLabel(const ProgInfo& prog, const NameEncoding& encoding);

} // namespace kvx
